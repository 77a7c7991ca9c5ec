#include "view/walkwayoverlay.h"

#include "plan/colors.h"
#include "view/planoverlay.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

namespace plandex {

namespace {

// The context its texts are translated in.
struct WalkwayOverlayTexts {
    Q_DECLARE_TR_FUNCTIONS(WalkwayOverlay)
};

// Unlike the objects' blue and green, the openings' orange and yellow and
// the names' white: the floor a dark teal, crosses red, tight places cyan.
constexpr QRgb shadeColour = 0x00403A;
const QColor crossColour(255, 40, 40);
const QColor tightColour(0, 230, 255);

} // namespace

WalkwayOverlay::WalkwayOverlay(const Editor &editor, const QFont &viewFont, int passage)
    : m_editor(editor)
    , m_look {crossColour, tightColour, Qt::black, 2, PlanOverlay::fontFor(viewFont)}
    , m_passage(passage)
{ }

bool WalkwayOverlay::follow(const QRect &changed)
{
    const QSize room = m_editor.K().size();
    const std::optional<Editor::DragPreview> preview = m_editor.dragPreview();
    const bool live = room.width() <= liveRoom.width() && room.height() <= liveRoom.height();
    std::optional<MovedPiece> moved;
    if (preview)
        moved = MovedPiece {preview->row, preview->box};
    // Above liveRoom a drag is left to its end; till then the shading keeps
    // off what it redraws.
    if (!(preview && !live)) {
        RoomPieces pieces = roomPieces(m_editor.table(), room, moved);
        if (pieces != m_pieces || room != m_room || m_passage != m_walkways.passage) {
            m_walkways = roomWalkways(pieces, room, m_passage);
            m_pieces = std::move(pieces);
            m_room = room;
            m_shade = QImage(room, QImage::Format_ARGB32_Premultiplied);
            m_shade.fill(Qt::transparent);
            shade(m_shade.rect());
            return true;
        }
    }
    shade(changed);
    return false;
}

void WalkwayOverlay::shade(const QRect &area)
{
    if (m_shade.size() == m_walkways.floor.size())
        shadeWalkwayFloor(
            m_shade, m_walkways.floor, shadeColour, area, m_editor.K().image(), colors::black);
}

void WalkwayOverlay::paintFloor(QPainter &painter, const QRect &area, const QRectF &shown) const
{
    if (m_walkways.hasEntrances && m_room == m_editor.K().size())
        painter.drawImage(shown, m_shade, QRectF(area));
}

void WalkwayOverlay::paintMarks(
    QPainter &painter, QPointF origin, double zoom, const QRect &visible) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_walkways.hasEntrances) {
        const QTransform roomToView
            = QTransform::fromScale(zoom, zoom) * QTransform::fromTranslate(origin.x(), origin.y());
        drawWalkwayMarks(painter, m_walkways, roomToView, m_look, visible);
    } else {
        const QString text = WalkwayOverlayTexts::tr("Нет двери: проходы не проверить");
        const QFontMetricsF metrics(m_look.font);
        const QRectF box(QPointF(visible.topLeft()) + QPointF(4, 4),
            QSizeF(metrics.horizontalAdvance(text) + 8, metrics.height() + 4));
        painter.fillRect(box, m_look.ground);
        painter.setPen(m_look.line);
        painter.setFont(m_look.font);
        painter.drawText(box, Qt::AlignCenter, text);
    }
    painter.restore();
}

} // namespace plandex
