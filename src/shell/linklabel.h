#pragma once

#include <QLabel>

namespace plandex {

// A label that reports clicks: a left press and release over it. It looks
// like any label (no underline, normal pointer); the colour is the
// owner's to set.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace plandex
