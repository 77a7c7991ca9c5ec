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
    changed();
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
    changed();
}

void PlanSurface::fillClipped(qint64 left, qint64 top, qint64 right, qint64 bottom, int rgb)
{
    left = std::max<qint64>(left, 0);
    top = std::max<qint64>(top, 0);
    right = std::min<qint64>(right, width() - 1);
    bottom = std::min<qint64>(bottom, height() - 1);
    if (left > right || top > bottom)
        return;
    const QRgb colour = opaque(rgb);
    uchar *bits = m_image.bits(); // detaches once, not per line
    const qsizetype stride = m_image.bytesPerLine();
    for (qint64 y = top; y <= bottom; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bits + y * stride);
        std::fill(line + left, line + right + 1, colour);
    }
}

void PlanSurface::fillBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb)
{
    fillClipped(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), rgb);
    changed();
}

void PlanSurface::outlineBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb)
{
    const qint64 left = std::min(x1, x2), right = std::max(x1, x2);
    const qint64 top = std::min(y1, y2), bottom = std::max(y1, y2);
    fillClipped(left, top, right, top, rgb);
    fillClipped(left, bottom, right, bottom, rgb);
    fillClipped(left, top, left, bottom, rgb);
    fillClipped(right, top, right, bottom, rgb);
    changed();
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
    changed();
}

void PlanSurface::clearPicture()
{
    if (m_picture.isNull())
        return;
    m_picture = QImage();
    paintBackground();
    changed();
}

void PlanSurface::changed()
{
    // One notice until the change has been shown: a redraw of thousands of
    // boxes asks for one repaint.
    if (m_changed && !m_notified) {
        m_notified = true;
        m_changed();
    }
}

} // namespace plandex
