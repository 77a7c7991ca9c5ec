#include "view/planoverlay.h"

#include "drawing/clearancedrawing.h"
#include "drawing/objectsinarea.h"
#include "drawing/roomdrawing.h"
#include "model/geometry.h"
#include "model/pairtext.h"
#include "plan/colors.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace plandex {

namespace {

// Letters over blue objects and the floor, and over green ones.
const QColor lightLetters(255, 255, 255);
const QColor darkLetters(0, 0, 0);
// The dimension lines and their numbers.
const QColor lineColor(255, 255, 0);

// The pixels of a box on a plan of this size.
QRect pixelsOf(qint64 x1, qint64 y1, qint64 x2, qint64 y2, QSize plan)
{
    const QRect room(QPoint(0, 0), plan);
    auto inside = [&](qint64 v, int limit) { return int(std::clamp<qint64>(v, -1, limit + 1)); };
    return QRect(QPoint(inside(std::min(x1, x2), plan.width()),
                     inside(std::min(y1, y2), plan.height())),
               QPoint(
                   inside(std::max(x1, x2), plan.width()), inside(std::max(y1, y2), plan.height())))
        & room;
}

} // namespace

PlanOverlay::PlanOverlay(const Editor &editor, const QFont &viewFont)
    : m_editor(editor)
    , m_font(fontFor(viewFont))
    , m_lines(m_font)
    , m_lineHeight(QFontMetricsF(m_font).height())
{ }

QFont PlanOverlay::fontFor(const QFont &viewFont)
{
    QFont font = viewFont;
    font.setPixelSize(QFontInfo(viewFont).pixelSize());
    return font;
}

PlanOverlay::~PlanOverlay() = default;

QRegion PlanOverlay::follow()
{
    const QRegion before = m_linesArea;
    m_preview = m_editor.dragPreview();
    m_linesArea = QRegion();
    if (m_preview) {
        const Clearances clearances
            = findClearances(m_editor.table(), m_editor.K().size(), m_preview->box, m_preview->row);
        m_linesArea = m_lines.layOut(clearances, QTransform::fromScale(m_zoom, m_zoom));
        const Edges &b = m_preview->box;
        // A new object has no name yet, and W and H show its size.
        m_previewLabelled = m_preview->row >= 0 && fitsLabel(qint64(b.bottom) - b.top);
        if (m_previewLabelled) {
            const QString &name = m_editor.table().name(m_preview->row);
            if (!m_previewTable) {
                m_previewTable = std::make_unique<ObjectTable>();
                m_previewTable->append(name, {}, {});
            }
            m_previewTable->rewrite(
                0, name, editedPair(b.left, b.right), editedPair(b.top, b.bottom));
        }
    }
    return before + m_linesArea;
}

void PlanOverlay::paintLines(QPainter &painter, const QRegion &area) const
{
    if (m_preview && m_linesArea.intersects(area))
        m_lines.draw(painter, lineColor);
}

bool PlanOverlay::labelsFit() const
{
    if (m_labelsFit)
        return *m_labelsFit;
    const ObjectTable &table = m_editor.table();
    const SpatialIndex &places = table.places();
    bool fit = false;
    if (places.usable()) {
        for (int i = 0; i < table.count() && !fit; ++i) {
            const SpatialIndex::Box &b = places.box(i);
            fit = fitsLabel(std::abs(qint64(b.bottom) - b.top));
        }
    } else {
        // Rows read as the plan draws them.
        qint32 l = 0, t = 0, r = 0, b = 0;
        for (int i = 0; i < table.count() && !fit; ++i) {
            readRect(table.row(i), l, t, r, b);
            fit = fitsLabel(std::abs(qint64(b) - t));
        }
    }
    m_labelsFit = fit;
    return fit;
}

void PlanOverlay::paintLabels(QPainter &painter, const QRect &area) const
{
    const bool dragged = m_preview && m_preview->row >= 0;
    if (!labelsFit() && !(dragged && m_previewLabelled))
        return;
    const WindowState &s = m_editor.state();
    const QSize plan = m_editor.K().size();
    const QRect current = pixelsOf(s.objLeft, s.objTop, s.objRight, s.objBottom, plan);
    QRegion light(area);
    if (m_preview) {
        const Edges &b = m_preview->box;
        const QRect box = pixelsOf(b.left, b.top, b.right, b.bottom, plan);
        // A grabbed object is drawn green where it goes; where the table
        // still has it the plan shows floor. A new object's band is an
        // outline over floor.
        if (m_preview->row >= 0) {
            light -= current;
            light -= box;
        }
        if (m_previewLabelled)
            labelsIn(painter, *m_previewTable, QRegion(area) & box, darkLetters);
    } else if (s.objHeld && m_editor.table().selection() >= 0 && !current.isEmpty()
        && m_editor.K().point(current.left(), current.top()) == colors::green) {
        light -= current;
        labelsIn(painter, m_editor.table(), QRegion(area) & current, darkLetters);
    }
    if (labelsFit())
        labelsIn(painter, m_editor.table(), light, lightLetters);
}

QString PlanOverlay::toolTipAt(QPointF roomPoint) const
{
    const ObjectTable &table = m_editor.table();
    QString text;
    // The last row found is the one drawn over the others.
    forEachObjectIn(
        table, QRectF(roomPoint, QSizeF(0.5, 0.5)),
        [&](int row, const ObjectRect &rect) {
            if (!rect.ordered().contains(roomPoint))
                return;
            const QString size = objectSizeText(rect.width(), rect.height());
            text = table.name(row).isEmpty() ? size : table.name(row) + u'\n' + size;
        },
        Lookup::Grid);
    return text;
}

void PlanOverlay::labelsIn(
    QPainter &painter, const ObjectTable &table, const QRegion &region, const QColor &color) const
{
    if (region.isEmpty())
        return;
    painter.save();
    painter.setClipRegion(region, Qt::IntersectClip);
    drawObjectLabels(
        painter, table, QRectF(region.boundingRect()), m_font, color, m_editor.K().size());
    painter.restore();
}

} // namespace plandex
