#pragma once

#include <QFrame>

namespace plandex {

class Editor;

// Shows the plan K inside a sunken frame. The frame lies outside the
// room's pixels, so every room pixel is drawn and clickable; mouse events
// reach the editor in plan coordinates.
class PlanView : public QFrame
{
    Q_OBJECT

public:
    explicit PlanView(Editor &editor, QWidget *parent = nullptr);

    // Places the view so that the room's top-left pixel sits at origin.
    void placeAt(QPoint origin);
    QPoint planOrigin() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Repaints where the plan changed since the last request.
    void repaintChanges();
    QPointF planPoint(const QMouseEvent *event) const;

    Editor &m_editor;
};

} // namespace plandex
