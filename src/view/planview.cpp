#include "view/planview.h"

#include "plan/colors.h"
#include "plan/editor.h"
#include "view/planoutlines.h"
#include "view/planoverlay.h"
#include "view/walkwayoverlay.h"
#include "view/zoomsteps.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

namespace plandex {

namespace {

// How often a mouse held at an edge scrolls a step.
constexpr int edgeIntervalMs = 30;

} // namespace

PlanView::PlanView(Editor &editor, QWidget *parent)
    : QFrame(parent)
    , m_editor(editor)
    , m_plan(editor.K())
    , m_zoom(plainZoom)
    , m_hbar(new QScrollBar(Qt::Horizontal, this))
    , m_vbar(new QScrollBar(Qt::Vertical, this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Asked for after the handler that changed the plan has finished, so
    // that one repaint covers all it changed.
    m_editor.K().setChangedCallback([this] {
        QMetaObject::invokeMethod(this, &PlanView::repaintChanges, Qt::QueuedConnection);
    });
    for (QScrollBar *bar : {m_hbar, m_vbar}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(20);
        connect(bar, &QScrollBar::valueChanged, this, [this] { update(); });
    }
    m_edgeTimer.setInterval(edgeIntervalMs);
    connect(&m_edgeTimer, &QTimer::timeout, this, &PlanView::edgeScroll);
    // Names can change without the plan changing.
    const ObjectTable *table = &m_editor.table();
    auto relabel = [this] {
        // A row can become a door, or stop being one, without K changing.
        if (m_walkways)
            followOverlaySoon();
        if (!m_overlay)
            return;
        m_overlay->tableChanged();
        update(m_viewport);
    };
    connect(table, &ObjectTable::dataChanged, this, relabel);
    connect(table, &ObjectTable::rowsInserted, this, relabel);
    connect(table, &ObjectTable::rowsRemoved, this, relabel);
    connect(table, &ObjectTable::modelReset, this, relabel);
}

PlanView::~PlanView() = default;

void PlanView::setOverlay(bool on)
{
    if (on == overlay())
        return;
    if (on) {
        m_overlay = std::make_unique<PlanOverlay>(m_editor, font());
        m_overlay->setZoom(m_plan.zoom());
        m_overlay->follow();
    } else {
        m_overlay.reset();
    }
    update(m_viewport);
}

QSize PlanView::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return zoomedRoom() + QSize(frame, frame);
}

QSize PlanView::zoomedRoom() const
{
    return zoomedSize(m_editor.K().size(), m_zoom);
}

void PlanView::placeAt(QPoint origin, QSize space)
{
    m_origin = origin;
    m_space = space;
    place();
}

void PlanView::place()
{
    const int frame = frameWidth();
    const QSize shown = zoomedRoom().boundedTo(m_space);
    setGeometry(QRect(m_origin - QPoint(frame, frame), shown + QSize(2 * frame, 2 * frame)));
    layoutBars();
}

void PlanView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutBars();
}

void PlanView::layoutBars()
{
    const QSize room = zoomedRoom();
    const QRect inside = contentsRect();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool across = room.width() > inside.width();
    bool down = room.height() > inside.height();
    // One bar takes room from the other direction, which may need a bar then.
    down = down || (across && room.height() > inside.height() - extent);
    across = across || (down && room.width() > inside.width() - extent);
    m_viewport = inside.adjusted(0, 0, down ? -extent : 0, across ? -extent : 0);

    m_hbar->setGeometry(inside.left(), m_viewport.bottom() + 1, m_viewport.width(), extent);
    m_hbar->setRange(0, qMax(0, room.width() - m_viewport.width()));
    m_hbar->setPageStep(m_viewport.width());
    m_hbar->setVisible(across);
    m_vbar->setGeometry(m_viewport.right() + 1, inside.top(), extent, m_viewport.height());
    m_vbar->setRange(0, qMax(0, room.height() - m_viewport.height()));
    m_vbar->setPageStep(m_viewport.height());
    m_vbar->setVisible(down);
    update();
}

QPoint PlanView::scrollOffset() const
{
    return {m_hbar->value(), m_vbar->value()};
}

QPoint PlanView::planOrigin() const
{
    return pos() + contentsRect().topLeft();
}

QPoint PlanView::roomOrigin() const
{
    return m_viewport.topLeft() - scrollOffset();
}

void PlanView::repaintChanges()
{
    const QRect changed = m_editor.K().changedArea();
    m_editor.K().markShown();
    QRegion area;
    if (!changed.isEmpty()) {
        m_plan.changed(changed);
        area = m_plan.shownArea(changed, roomOrigin());
    }
    if (m_overlay)
        area += m_overlay->follow().translated(roomOrigin());
    if (m_walkways && m_walkways->follow(changed))
        area = m_viewport;
    update(area & m_viewport);
}

void PlanView::followOverlaySoon()
{
    if (m_overlay || m_walkways)
        QMetaObject::invokeMethod(this, &PlanView::repaintChanges, Qt::QueuedConnection);
}

void PlanView::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (m_hbar->isVisible() && m_vbar->isVisible())
        painter.fillRect(
            QRect(m_vbar->x(), m_hbar->y(), m_vbar->width(), m_hbar->height()), palette().window());
    m_plan.setScale(m_zoom, devicePixelRatioF());
    const QPoint origin = roomOrigin();
    const QRegion shown = event->region() & m_viewport;
    // Where the plan showed bare floor, no object has an outline.
    std::vector<bool> floor;
    for (const QRect &target : shown) {
        // One rectangle at a time keeps the drawing on Qt's plain path,
        // which a clip of many rectangles leaves.
        painter.setClipRect(target);
        const std::optional<int> plain = m_plan.paint(painter, target, origin);
        if (m_overlay)
            floor.push_back(plain
                    ? *plain == colors::black
                    : m_editor.K().plainColour(m_plan.roomArea(target, origin)) == colors::black);
    }
    if (m_walkways)
        paintWalkways(painter, shown);
    if (m_overlay)
        paintOverlay(painter, shown, floor);
}

void PlanView::paintOverlay(QPainter &painter, const QRegion &shown, const std::vector<bool> &floor)
{
    const QPoint origin = roomOrigin();
    const double zoom = m_plan.zoom();
    // What a redirected paint (a grab) puts first stays under the rest.
    const QTransform view = painter.transform();
    const QTransform room = QTransform::fromTranslate(origin.x(), origin.y()) * view;
    PlanOutlines outlines(m_editor, origin, zoom, painter.device()->devicePixelRatioF());
    size_t i = 0;
    for (const QRect &target : shown) {
        if (!floor[i++])
            outlines.gather(m_plan.roomArea(target, origin), target);
    }
    painter.setClipRect(m_viewport);
    outlines.paint(painter);
    // Labels through the zoom: at their size on the screen, in room
    // centimetres.
    const QTransform scaled = QTransform::fromScale(zoom, zoom) * room;
    painter.setTransform(scaled);
    for (const QRect &target : shown) {
        // Each pixel once: what the overlay smooths is not blended twice.
        // At 100% each target is whole centimetres; zoomed, the
        // centimetres it shows reach past it.
        if (m_zoom != plainZoom) {
            painter.setTransform(view);
            painter.setClipRect(target);
            painter.setTransform(scaled);
        }
        m_overlay->paintLabels(painter, m_plan.roomArea(target, origin));
    }
    painter.setTransform(view);
    painter.setClipRect(m_viewport);
    painter.setTransform(room);
    m_overlay->paintLines(painter, shown.translated(-origin));
}

void PlanView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        wheelZoom(event);
        return;
    }
    const bool sideways = event->angleDelta().x() != 0 && event->angleDelta().y() == 0;
    QCoreApplication::sendEvent(sideways ? m_hbar : m_vbar, event);
}

QPoint PlanView::menuAnchor() const
{
    const WindowState &s = m_editor.state();
    QRect area = m_viewport;
    if (m_editor.table().selection() >= 0 && s.objHeld) {
        const QRect object = m_plan.shownArea(
            QRect(QPoint(s.objLeft, s.objTop), QPoint(s.objRight, s.objBottom)).normalized(),
            roomOrigin());
        if (object.intersects(m_viewport))
            area = object & m_viewport;
    }
    return area.center();
}

bool PlanView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip || !m_overlay)
        return QFrame::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString text = m_viewport.contains(help->pos())
        ? m_overlay->toolTipAt(planPoint(help->pos()))
        : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        // Names from files are plain text, never markup.
        QToolTip::showText(
            help->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap), this);
    }
    return true;
}

} // namespace plandex
