#pragma once

#include "view/zoomedplan.h"
#include "walkways/roomwalkways.h"

#include <QFrame>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QScrollBar;

namespace plandex {

class Editor;
class PlanOverlay;
class WalkwayOverlay;

// Shows the plan K inside a sunken frame, at one of the zoom steps (100%
// at first). The frame lies outside the room's pixels, so every room pixel
// is drawn and clickable; mouse events reach the editor in room
// centimetres. A room larger than the space the window can give scrolls:
// scroll bars inside the frame, the wheel, and a drag held near an edge;
// Ctrl and the wheel zoom about the pointer.
class PlanView : public QFrame
{
    Q_OBJECT

public:
    explicit PlanView(Editor &editor, QWidget *parent = nullptr);
    ~PlanView() override;

    // Places the view so that the room's top-left pixel sits at origin,
    // showing at most space of the zoomed room; a zoom keeps both.
    void placeAt(QPoint origin, QSize space);
    void placeAt(QPoint origin) { placeAt(origin, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)); }
    QPoint planOrigin() const;
    QSize sizeHint() const override;
    // Whether a mouse button went down on the plan and is still held.
    bool dragging() const { return m_dragging; }
    // How far the zoomed room is scrolled, in view pixels.
    QPoint scrollOffset() const;
    // The room point under a point of the view, as the editor gets it: at
    // 100% the view's own position, at any other step the whole
    // centimetre under it.
    QPointF planPoint(QPointF widgetPoint) const;

    // The zoom step, in percent.
    int zoom() const { return m_zoom; }
    // Shows the plan at step percent; the room point under at (a point of
    // the view) stays there as far as scrolling allows, the middle of the
    // shown part when at is not given.
    void setZoom(int percent, std::optional<QPointF> at = std::nullopt);
    // The largest step at which the whole room shows in the space given.
    int fittingZoom() const;
    // Where a menu opened from the keyboard points: the middle of the
    // current object's visible part, else of the visible plan.
    QPoint menuAnchor() const;
    // Names and sizes of the objects, and a drag's distances, over the
    // plan; off at first.
    void setOverlay(bool on);
    bool overlay() const { return m_overlay != nullptr; }
    // Who can walk where, for people of passage cm: the floor they can
    // reach from the doors, the pieces they cannot, and the tight places
    // on the way; off at first.
    void setWalkways(bool on);
    bool walkways() const { return m_walkways != nullptr; }
    void setPassage(int cm);
    int passage() const { return m_passage; }

signals:
    // A right click on the plan, after the editor has seen its press and
    // release; at is the plan point.
    void menuRequested(QPoint global, QPointF at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // With names and sizes shown: the full ones of the object under the
    // pointer, which its label may not have room for.
    bool event(QEvent *event) override;

private:
    void layoutBars();
    // Repaints where the plan changed since the last request, and where the
    // overlay's dimension lines were and are.
    void repaintChanges();
    // After an event that may end a drag without changing the plan.
    void followOverlaySoon();
    // Where the room's top-left pixel lies in the view, scrolled.
    QPoint roomOrigin() const;
    // The zoomed room's size in view pixels.
    QSize zoomedRoom() const;
    // The view placed again where placeAt put it, after a zoom.
    void place();
    void paintOverlay(QPainter &painter, const QRegion &shown, const std::vector<bool> &floor);
    // The walkways' shading and marks over what shown (view pixels) shows.
    void paintWalkways(QPainter &painter, const QRegion &shown);
    // Ctrl and the wheel: a step for each notch.
    void wheelZoom(QWheelEvent *event);
    // Scrolls one step toward the edge the held mouse is near, and lets the
    // editor see the mouse at its new place on the room.
    void edgeScroll();
    QPoint edgeDirection() const;

    Editor &m_editor;
    ZoomedPlan m_plan;
    int m_zoom;
    QPoint m_origin;
    QSize m_space {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // The wheel's turn towards the next notch.
    int m_wheelRest = 0;
    bool m_dragging = false;
    QScrollBar *m_hbar;
    QScrollBar *m_vbar;
    // The part of the view that shows the room.
    QRect m_viewport;
    QTimer m_edgeTimer;
    QPointF m_lastMouse;
    int m_lastButtons = 0;
    // The editor has already seen the release of the right click that
    // opened a menu; the real one, if it comes here, is not passed on.
    bool m_releaseSeen = false;
    std::unique_ptr<PlanOverlay> m_overlay;
    std::unique_ptr<WalkwayOverlay> m_walkways;
    int m_passage = defaultPassage;
};

} // namespace plandex
