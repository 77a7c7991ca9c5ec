#include "view/planoutlines.h"

#include "drawing/objectsinarea.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace plandex {

namespace {

class Outliner
{
public:
    Outliner(QPainter &painter, const PlanSurface &plan, QPoint origin, double zoom)
        : m_painter(painter)
        , m_plan(plan)
        , m_origin(origin)
        , m_zoom(zoom)
        , m_ratio(painter.device()->devicePixelRatioF())
    { }

    // The box between two corners, both included, outlined in the colour of
    // the plan at its top-left corner, darker; none over floor.
    void outline(qint64 x1, qint64 y1, qint64 x2, qint64 y2)
    {
        const qint64 left = std::min(x1, x2), top = std::min(y1, y2);
        const QRect room(QPoint(0, 0), m_plan.size());
        const int fill = m_plan.point(double(std::clamp<qint64>(left, 0, room.right())),
            double(std::clamp<qint64>(top, 0, room.bottom())));
        if (fill == colors::black || fill == -1)
            return;
        // Cut to the room first, so that the numbers stay small.
        const QRect box = QRect(QPoint(int(std::clamp<qint64>(left, -1, room.width())),
                                    int(std::clamp<qint64>(top, -1, room.height()))),
                              QPoint(int(std::clamp<qint64>(std::max(x1, x2), -1, room.width())),
                                  int(std::clamp<qint64>(std::max(y1, y2), -1, room.height()))));
        // Objects lying over one another (in a damaged file) often share
        // their box: each is drawn once.
        auto bits = [](int v) { return quint64(v + 1) & 0x1FFF; };
        const quint64 key = bits(box.left()) | bits(box.top()) << 13 | bits(box.right()) << 26
            | bits(box.bottom()) << 39;
        if (!m_drawn.insert(key).second)
            return;
        const int l = device(m_origin.x() + box.left() * m_zoom);
        const int t = device(m_origin.y() + box.top() * m_zoom);
        const int r = std::max(l + 1, device(m_origin.x() + (box.right() + 1) * m_zoom));
        const int b = std::max(t + 1, device(m_origin.y() + (box.bottom() + 1) * m_zoom));
        const QColor colour = QColor(QRgb(fill)).darker(160);
        m_painter.fillRect(QRect(l, t, r - l, 1), colour);
        m_painter.fillRect(QRect(l, b - 1, r - l, 1), colour);
        m_painter.fillRect(QRect(l, t, 1, b - t), colour);
        m_painter.fillRect(QRect(r - 1, t, 1, b - t), colour);
    }

private:
    int device(double viewPixels) const { return int(std::lround(viewPixels * m_ratio)); }

    QPainter &m_painter;
    const PlanSurface &m_plan;
    QPoint m_origin;
    double m_zoom;
    qreal m_ratio;
    std::unordered_set<quint64> m_drawn;
};

} // namespace

void paintOutlines(
    QPainter &painter, const Editor &editor, const QRect &area, QPoint origin, double zoom)
{
    const auto preview = editor.dragPreview();
    const int dragged = preview ? preview->row : -1;
    painter.save();
    // In device pixels.
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio), true);
    Outliner outliner(painter, editor.K(), origin, zoom);
    forEachObjectIn(
        editor.table(), QRectF(area),
        [&](int row, const ObjectRect &r) {
            // The plan shows floor where the dragged object was.
            if (row != dragged || dragged < 0)
                outliner.outline(r.left, r.top, r.right, r.bottom);
        },
        Lookup::Grid);
    // A new object's band is an outline, not a box.
    if (dragged >= 0) {
        const Edges &b = preview->box;
        outliner.outline(b.left, b.top, b.right, b.bottom);
    }
    painter.restore();
}

} // namespace plandex
