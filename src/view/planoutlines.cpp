#include "view/planoutlines.h"

#include "drawing/objectsinarea.h"
#include "openings/opening.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plandex {

PlanOutlines::PlanOutlines(const Editor &editor, QPoint origin, double zoom, double ratio)
    : m_editor(editor)
    , m_plan(editor.K())
    , m_origin(origin)
    , m_zoom(zoom)
    , m_ratio(ratio)
{
    if (const auto preview = editor.dragPreview(); preview && preview->row >= 0) {
        m_dragged = preview->row;
        m_preview = preview->box;
        m_previewOutlined = !rowOpening(editor, m_dragged);
    }
}

int PlanOutlines::device(double viewPixels) const
{
    return int(std::lround(viewPixels * m_ratio));
}

void PlanOutlines::gather(const QRect &area, const QRect &target)
{
    const QRect clip(QPoint(device(target.left()), device(target.top())),
        QPoint(device(target.right() + 1) - 1, device(target.bottom() + 1) - 1));
    // Objects lying over one another (only a damaged file has them) could
    // cover the area many times over: past twice, the rest is not drawn.
    m_budget = 2 * qint64(clip.width()) * clip.height();
    forEachObjectIn(
        m_editor.table(), QRectF(area),
        [&](int row, const ObjectRect &r) {
            // The plan shows floor where the dragged object was, and doors
            // and windows as their symbols.
            if (row != m_dragged && !openingOfRow(m_editor.table().row(row), m_plan.size()))
                outline(r.left, r.top, r.right, r.bottom, clip);
        },
        Lookup::Grid);
    // The dragged object where its preview is; a new object's band is an
    // outline already.
    if (m_previewOutlined)
        outline(m_preview.left, m_preview.top, m_preview.right, m_preview.bottom, clip);
}

void PlanOutlines::paint(QPainter &painter) const
{
    if (std::all_of(m_colours.begin(), m_colours.end(),
            [](const Colour &colour) { return colour.lines.empty(); }))
        return;
    painter.save();
    // In device pixels.
    painter.setTransform(QTransform::fromScale(1 / m_ratio, 1 / m_ratio), true);
    painter.setPen(Qt::NoPen);
    for (const Colour &colour : m_colours) {
        if (colour.lines.empty())
            continue;
        painter.setBrush(QColor(colour.outline));
        painter.drawRects(colour.lines.data(), int(colour.lines.size()));
    }
    painter.restore();
}

void PlanOutlines::outline(qint64 x1, qint64 y1, qint64 x2, qint64 y2, const QRect &clip)
{
    const QRect room(QPoint(0, 0), m_plan.size());
    auto within = [](qint64 v, int limit) { return int(std::clamp<qint64>(v, -1, limit)); };
    // Cut to the room first, so that the numbers stay small.
    const QRect box(
        QPoint(within(std::min(x1, x2), room.width()), within(std::min(y1, y2), room.height())),
        QPoint(within(std::max(x1, x2), room.width()), within(std::max(y1, y2), room.height())));
    const int l = device(m_origin.x() + box.left() * m_zoom);
    const int t = device(m_origin.y() + box.top() * m_zoom);
    const int r = std::max(l + 1, device(m_origin.x() + (box.right() + 1) * m_zoom));
    const int b = std::max(t + 1, device(m_origin.y() + (box.bottom() + 1) * m_zoom));
    if (m_budget <= 0 || !QRect(QPoint(l, t), QPoint(r - 1, b - 1)).intersects(clip))
        return;
    const int fill = m_plan.point(double(std::clamp(box.left(), 0, room.right())),
        double(std::clamp(box.top(), 0, room.bottom())));
    if (fill == colors::black || fill == -1)
        return;
    auto of = std::find_if(
        m_colours.begin(), m_colours.end(), [fill](const Colour &c) { return c.fill == fill; });
    if (of == m_colours.end())
        of = m_colours.insert(m_colours.end(), {fill, QColor(QRgb(fill)).darker(160).rgb(), {}});
    for (const QRect &line : {QRect(l, t, r - l, 1), QRect(l, b - 1, r - l, 1),
             QRect(l, t, 1, b - t), QRect(r - 1, t, 1, b - t)}) {
        const QRect shown = line & clip;
        if (shown.isEmpty())
            continue;
        of->lines.push_back(shown);
        m_budget -= qint64(shown.width()) * shown.height();
    }
}

} // namespace plandex
