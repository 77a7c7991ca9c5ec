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
    // Whether a mouse button went down on the plan and is still held.
    bool dragging() const { return m_dragging; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPointF planPoint(const QMouseEvent *event) const;

    Editor &m_editor;
    bool m_dragging = false;
};

} // namespace plandex
