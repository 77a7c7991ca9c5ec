#include "plan/linefill.h"
#include "plan/plansurface.h"

#include <cstring>

// The pixels kept under a drag's preview, so that the plan as the press
// left it comes back by writing only what was drawn over.

namespace plandex {

void PlanSurface::keepPixelsUnder(const QRect &area)
{
    if (m_lastFill.contains(area)) {
        m_saved.push_back(Saved {area, {}, m_lastFillValue});
        return;
    }
    const qsizetype depth = m_image.depth() / 8;
    const qsizetype bytes = qsizetype(area.width()) * area.height() * depth;
    const qsizetype imageBytes = qsizetype(width()) * height() * depth;
    const bool whole = m_savedBytes + bytes > imageBytes;
    QImage before;
    if (whole) {
        before = savedImage();
        m_saved.clear();
    }
    const QImage &from = whole ? before : m_image;
    const QRect kept = whole ? m_image.rect() : area;
    const size_t lineBytes = size_t(kept.width()) * size_t(depth);
    Saved &saved = m_saved.emplace_back(Saved {kept, {}});
    saved.bytes.reserve(lineBytes * size_t(kept.height()));
    for (int y = kept.top(); y <= kept.bottom(); ++y) {
        const uchar *line = from.constScanLine(y) + kept.left() * depth;
        saved.bytes.insert(saved.bytes.end(), line, line + lineBytes);
    }
    m_savedBytes = qsizetype(saved.bytes.size()) + (whole ? 0 : m_savedBytes);
    m_savedWhole = whole;
}

void PlanSurface::forgetSaved()
{
    m_saved.clear();
    m_savedBytes = 0;
    m_savedWhole = false;
}

void PlanSurface::saveUnder()
{
    forgetSaved();
    m_saving = true;
}

void PlanSurface::stopSaving()
{
    forgetSaved();
    m_saving = false;
}

void PlanSurface::putBack(QImage &image, const Saved &saved)
{
    const QRect &a = saved.area;
    if (saved.bytes.empty()) {
        const LineFill fill(image, saved.solid);
        for (int y = a.top(); y <= a.bottom(); ++y)
            fill(y, a.left(), a.right());
        return;
    }
    const int depth = image.depth() / 8;
    const size_t lineBytes = size_t(a.width()) * size_t(depth);
    const uchar *from = saved.bytes.data();
    for (int y = a.top(); y <= a.bottom(); ++y) {
        std::memcpy(image.scanLine(y) + qsizetype(a.left()) * depth, from, lineBytes);
        from += lineBytes;
    }
}

void PlanSurface::restoreSaved()
{
    QRect area;
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        putBack(m_image, *it);
        area |= it->area;
        m_lastFill = QRect();
    }
    forgetSaved();
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

} // namespace plandex
