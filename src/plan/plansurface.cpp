#include "plan/plansurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace plandex {

namespace {

QRgb opaque(int rgb)
{
    return 0xFF000000u | QRgb(rgb & 0xFFFFFF);
}

// The part of a box's bounding rectangle that lies on a plan of this size.
QRect clip(qint64 left, qint64 top, qint64 right, qint64 bottom, QSize size)
{
    left = std::max<qint64>(left, 0);
    top = std::max<qint64>(top, 0);
    right = std::min<qint64>(right, size.width() - 1);
    bottom = std::min<qint64>(bottom, size.height() - 1);
    if (left > right || top > bottom)
        return QRect();
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

} // namespace

PlanSurface::PlanSurface(QSize size)
    : m_image(size.expandedTo({1, 1}), QImage::Format_RGB32)
{
    m_image.fill(opaque(0));
}

void PlanSurface::resize(QSize size)
{
    size = size.expandedTo({1, 1});
    if (size == m_image.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(opaque(0));
    QPainter(&resized).drawImage(0, 0, m_image);
    m_image = resized;
    stopSaving();
    changedAll();
}

void PlanSurface::paintBackground()
{
    // A picture of the plan's own size is shared, not copied: the first
    // drawing on top makes the one copy it needs.
    if (!m_picture.isNull() && m_picture.size() == m_image.size()) {
        m_image = m_picture;
        return;
    }
    m_image.fill(opaque(0));
    if (!m_picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture);
    }
}

void PlanSurface::clear()
{
    paintBackground();
    stopSaving();
    changedAll();
}

void PlanSurface::fillClipped(qint64 left, qint64 top, qint64 right, qint64 bottom, int rgb)
{
    const QRect area = clip(left, top, right, bottom, size());
    if (area.isEmpty())
        return;
    const QRgb colour = opaque(rgb);
    uchar *bits = m_image.bits(); // detaches once, not per line
    const qsizetype stride = m_image.bytesPerLine();
    Saved *saved = nullptr;
    if (m_saving) {
        saved = &m_saved.emplace_back(Saved {area, {}});
        saved->pixels.reserve(size_t(area.width()) * size_t(area.height()));
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + y * stride) + area.left();
        if (saved)
            saved->pixels.insert(saved->pixels.end(), line, line + area.width());
        std::fill(line, line + area.width(), colour);
    }
}

void PlanSurface::saveUnder()
{
    m_saved.clear();
    m_saving = true;
}

void PlanSurface::stopSaving()
{
    m_saved.clear();
    m_saving = false;
}

void PlanSurface::putBack(QImage &image, const Saved &saved)
{
    const QRect &a = saved.area;
    const QRgb *from = saved.pixels.data();
    for (int y = a.top(); y <= a.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::copy_n(from, a.width(), line + a.left());
        from += a.width();
    }
}

void PlanSurface::restoreSaved()
{
    QRect area;
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        putBack(m_image, *it);
        area |= it->area;
    }
    m_saved.clear();
    if (!area.isEmpty())
        changed(area);
}

QImage PlanSurface::savedImage() const
{
    if (!m_saving)
        return QImage();
    QImage image = m_image.copy();
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
        putBack(image, *it);
    return image;
}

void PlanSurface::fillBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb)
{
    const qint64 left = std::min(x1, x2), right = std::max(x1, x2);
    const qint64 top = std::min(y1, y2), bottom = std::max(y1, y2);
    fillClipped(left, top, right, bottom, rgb);
    changed(clip(left, top, right, bottom, size()));
}

void PlanSurface::outlineBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb)
{
    const qint64 left = std::min(x1, x2), right = std::max(x1, x2);
    const qint64 top = std::min(y1, y2), bottom = std::max(y1, y2);
    fillClipped(left, top, right, top, rgb);
    fillClipped(left, bottom, right, bottom, rgb);
    fillClipped(left, top, left, bottom, rgb);
    fillClipped(right, top, right, bottom, rgb);
    changed(clip(left, top, right, bottom, size()));
}

int PlanSurface::point(double x, double y) const
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return -1;
    const double px = std::floor(x), py = std::floor(y);
    if (px < 0 || py < 0 || px >= width() || py >= height())
        return -1;
    return int(m_image.pixel(int(px), int(py)) & 0xFFFFFF);
}

void PlanSurface::setPicture(const QImage &picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    paintBackground();
    stopSaving();
    changedAll();
}

void PlanSurface::clearPicture()
{
    if (m_picture.isNull())
        return;
    m_picture = QImage();
    paintBackground();
    stopSaving();
    changedAll();
}

void PlanSurface::changed(const QRect &area)
{
    if (area.isEmpty())
        return;
    m_changedArea |= area;
    // One notice until the change has been shown: a redraw of thousands of
    // boxes asks for one repaint.
    if (m_changed && !m_notified) {
        m_notified = true;
        m_changed();
    }
}

} // namespace plandex
