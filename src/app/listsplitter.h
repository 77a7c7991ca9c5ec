#pragma once

#include <QWidget>

namespace plandex {

// The handle between the name list and the plan: the strip of bare window
// between them, which paints nothing and takes no focus. Dragged sideways,
// it tells how far from where the drag began.
class ListSplitter : public QWidget
{
    Q_OBJECT

public:
    explicit ListSplitter(QWidget *parent);

signals:
    void pressed();
    void draggedBy(int dx);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    double m_pressX = 0;
};

} // namespace plandex
