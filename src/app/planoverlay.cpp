#include "app/planoverlay.h"

#include "plan/clearancedrawing.h"

#include <QFontInfo>
#include <QPainter>
#include <QTransform>

namespace plandex {

PlanOverlay::PlanOverlay(const Editor &editor, const QFont &viewFont)
    : m_editor(editor)
    , m_font(fontFor(viewFont))
{ }

QFont PlanOverlay::fontFor(const QFont &viewFont)
{
    QFont font = viewFont;
    font.setPixelSize(QFontInfo(viewFont).pixelSize());
    return font;
}

PlanOverlay::~PlanOverlay() = default;

QColor PlanOverlay::lineColor()
{
    return {255, 255, 0};
}

QRegion PlanOverlay::follow()
{
    const QRegion before = m_lines;
    m_preview = m_editor.dragPreview();
    m_lines = QRegion();
    if (m_preview) {
        m_clearances
            = findClearances(m_editor.table(), m_editor.K().size(), m_preview->box, m_preview->row);
        m_lines = clearancesArea(m_clearances, QTransform(), m_font);
    }
    return before + m_lines;
}

void PlanOverlay::paint(QPainter &painter, const QRect &area) const
{
    paintLabels(painter, area);
    if (m_preview && m_lines.intersects(area))
        drawClearances(painter, m_clearances, m_font, lineColor());
}

void PlanOverlay::paintLabels(QPainter & /*painter*/, const QRect & /*area*/) const
{ }

} // namespace plandex
