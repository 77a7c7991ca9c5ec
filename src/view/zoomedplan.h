#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

class QPainter;

namespace plandex {

class PlanSurface;

// K as the view shows it at a zoom step. From 100% of the device's pixels
// up, each centimetre is an exact square of device pixels; below, each
// device pixel is the mean of the centimetres it covers, kept in a copy at
// the device's size that follows K's changes, so that a repaint only
// copies it.
class ZoomedPlan
{
public:
    explicit ZoomedPlan(const PlanSurface &plan);

    // The step in percent and the device pixels per pixel of the view.
    void setScale(int percent, qreal devicePixelRatio);
    double zoom() const { return m_zoom; }
    // K changed in area (room pixels).
    void changed(const QRect &area);

    // The view pixels that show area of the room, its top-left at origin.
    QRect shownArea(const QRect &area, QPoint origin) const;
    // The room pixels that a rectangle of the view shows.
    QRect roomArea(const QRect &view, QPoint origin) const;
    // Paints what target (view pixels, one rectangle) shows of the room.
    // Returns the one colour (0xRRGGBB) it showed, -1 for several, and
    // nothing when it did not look.
    std::optional<int> paint(QPainter &painter, const QRect &target, QPoint origin);

private:
    bool shrunk() const { return m_zoom * m_ratio < 1.0; }
    QSize smallSize() const;
    // The device pixels of the copy over area of it, from K.
    void shrink(const QRect &area);
    // Above 100%: area of the room filled as boxes of one colour; false,
    // having painted nothing, when it holds too many for that to pay.
    bool paintRuns(QPainter &painter, const QRect &area, QPoint origin) const;

    const PlanSurface &m_plan;
    double m_zoom = 1.0;
    qreal m_ratio = 1.0;
    // Below 100% of the device: K at the device's size; null until needed.
    QImage m_small;
};

} // namespace plandex
