#pragma once

#include "model/edges.h"

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <utility>
#include <vector>

class QPainter;

namespace plandex {

class Editor;
class PlanSurface;

// With names and sizes on, each object shown has a line of one device
// pixel along the inside of its edge, a shade darker than its fill, so
// that neighbours a centimetre apart, whose pixels meet, stay apart. A
// dragged object has it where its preview is; doors and windows, drawn as
// their symbols, have none. Made for one paint: the room's top-left pixel
// lies at origin of the view, at zoom view pixels a centimetre, and ratio
// device pixels a view pixel.
class PlanOutlines
{
public:
    PlanOutlines(const Editor &editor, QPoint origin, double zoom, double ratio);

    // Takes those of the objects meeting area (room pixels), inside target
    // (view pixels).
    void gather(const QRect &area, const QRect &target);
    // Paints all taken, in a few calls; the painter's coordinates are the
    // view's.
    void paint(QPainter &painter) const;

private:
    // The box between two corners, both included, in the colour of the
    // plan at its top-left corner, darker; none over floor.
    void outline(qint64 x1, qint64 y1, qint64 x2, qint64 y2, const QRect &clip);
    int device(double viewPixels) const;

    const Editor &m_editor;
    const PlanSurface &m_plan;
    QPoint m_origin;
    double m_zoom;
    double m_ratio;
    // The row a drag moves or resizes, and where its preview is.
    int m_dragged = -1;
    Edges m_preview {};
    bool m_previewOutlined = false;
    // The lines of each fill's outline colour, and the device pixels that
    // those of one target may still cover.
    struct Colour {
        int fill;
        QRgb outline;
        std::vector<QRect> lines;
    };
    std::vector<Colour> m_colours;
    qint64 m_budget = 0;
};

} // namespace plandex
