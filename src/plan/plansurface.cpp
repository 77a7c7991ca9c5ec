#include "plan/plansurface.h"

#include "plan/colors.h"
#include "plan/linefill.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plandex {

namespace {

QRgb opaque(int rgb)
{
    return 0xFF000000u | QRgb(rgb & 0xFFFFFF);
}

// Black first: index 0 is the floor.
const QList<QRgb> &planColours()
{
    static const QList<QRgb> table {
        opaque(colors::black), opaque(colors::blue), opaque(colors::green), opaque(colors::white)};
    return table;
}

// An image of the given size that is all floor, stored as the other one is.
QImage blankLike(QSize size, const QImage &like)
{
    if (like.format() == QImage::Format_RGB32) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(opaque(colors::black));
        return image;
    }
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable(like.isNull() ? planColours() : like.colorTable());
    image.fill(0);
    return image;
}

// Copies the part of `from` that fits into the top left of `to`; both are
// stored the same way.
void copyOver(QImage &to, const QImage &from)
{
    const qsizetype bytes = qsizetype(std::min(to.width(), from.width())) * (to.depth() / 8);
    for (int y = 0; y < std::min(to.height(), from.height()); ++y)
        std::memcpy(to.scanLine(y), from.constScanLine(y), size_t(bytes));
}

// The picture as the plan stores it: indexed when its colours fit beside
// the plan's own, otherwise 32-bit.
QImage planPicture(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table = planColours();
    QRgb last = table.first();
    uchar lastIndex = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            if (from[x] != last) {
                qsizetype at = table.indexOf(from[x]);
                if (at < 0) {
                    if (table.size() == 256)
                        return rgb;
                    at = table.size();
                    table.append(from[x]);
                }
                last = from[x];
                lastIndex = uchar(at);
            }
            to[x] = lastIndex;
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

} // namespace

PlanSurface::PlanSurface(QSize size)
    : m_image(blankLike(size.expandedTo({1, 1}), QImage()))
{ }

void PlanSurface::resize(QSize size)
{
    size = size.expandedTo({1, 1});
    if (size == m_image.size())
        return;
    m_lastFill = QRect();
    QImage resized = blankLike(size, m_image);
    copyOver(resized, m_image);
    m_image = resized;
    stopSaving();
    changedAll();
}

void PlanSurface::paintBackground()
{
    m_lastFill = QRect();
    // A picture of the plan's own size is shared, not copied: the first
    // drawing on top makes the one copy it needs.
    if (!m_picture.isNull() && m_picture.size() == m_image.size()) {
        m_image = m_picture;
        return;
    }
    if (m_picture.isNull() && m_image.format() == QImage::Format_Indexed8
        && m_image.colorTable() == planColours()) {
        m_image.fill(0);
        return;
    }
    m_image = blankLike(size(), m_picture);
    if (!m_picture.isNull())
        copyOver(m_image, m_picture);
}

void PlanSurface::clear()
{
    paintBackground();
    stopSaving();
    changedAll();
}

uint PlanSurface::pixelValue(int rgb)
{
    const QRgb colour = opaque(rgb);
    if (m_image.format() != QImage::Format_Indexed8)
        return colour;
    const int count = m_image.colorCount();
    for (int i = 0; i < count; ++i) {
        if (m_image.color(i) == colour)
            return uint(i);
    }
    if (count < 256) {
        m_image.setColorCount(count + 1);
        m_image.setColor(count, colour);
        return uint(count);
    }
    toTrueColour();
    return colour;
}

void PlanSurface::toTrueColour()
{
    const QList<QRgb> table = m_image.colorTable();
    m_image = m_image.convertToFormat(QImage::Format_RGB32);
    m_lastFill = QRect();
    for (Saved &saved : m_saved) {
        saved.solid = table[saved.solid];
        std::vector<uchar> wide(saved.bytes.size() * sizeof(QRgb));
        for (size_t i = 0; i < saved.bytes.size(); ++i)
            std::memcpy(&wide[i * sizeof(QRgb)], &table[saved.bytes[i]], sizeof(QRgb));
        saved.bytes.swap(wide);
    }
}

void PlanSurface::fillClipped(qint64 left, qint64 top, qint64 right, qint64 bottom, int rgb)
{
    const QRect area = clipToPlan(left, top, right, bottom, size());
    if (area.isEmpty())
        return;
    const uint value = pixelValue(rgb);
    const LineFill fill(m_image, value);
    keepPixels(area);
    for (int y = area.top(); y <= area.bottom(); ++y)
        fill(y, area.left(), area.right());
    m_lastFill = area;
    m_lastFillValue = value;
}

void PlanSurface::fillBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb)
{
    const qint64 left = std::min(x1, x2), right = std::max(x1, x2);
    const qint64 top = std::min(y1, y2), bottom = std::max(y1, y2);
    fillClipped(left, top, right, bottom, rgb);
    changed(clipToPlan(left, top, right, bottom, size()));
}

void PlanSurface::outlineBox(qint32 x1, qint32 y1, qint32 x2, qint32 y2, int rgb)
{
    const qint64 left = std::min(x1, x2), right = std::max(x1, x2);
    const qint64 top = std::min(y1, y2), bottom = std::max(y1, y2);
    fillClipped(left, top, right, top, rgb);
    fillClipped(left, bottom, right, bottom, rgb);
    fillClipped(left, top, left, bottom, rgb);
    fillClipped(right, top, right, bottom, rgb);
    changed(clipToPlan(left, top, right, bottom, size()));
}

void PlanSurface::fillBoxes(const std::vector<Box> &boxes, int rgb)
{
    std::vector<QRect> areas;
    areas.reserve(boxes.size());
    QRect bound;
    qint64 pixels = 0;
    for (const Box &b : boxes) {
        const QRect area = clipToPlan(std::min(b.x1, b.x2), std::min(b.y1, b.y2),
            std::max(b.x1, b.x2), std::max(b.y1, b.y2), size());
        if (area.isEmpty())
            continue;
        areas.push_back(area);
        bound |= area;
        pixels += qint64(area.width()) * area.height();
    }
    // Boxes that cover the plan no more than once over are cheapest drawn
    // one by one.
    if (pixels <= qint64(width()) * height()) {
        for (const QRect &a : areas)
            fillClipped(a.left(), a.top(), a.right(), a.bottom(), rgb);
    } else {
        fillUnion(std::move(areas), bound, rgb);
    }
    changed(bound);
}

// Line by line from the top, with the count of boxes over each column of
// the line: a line where no box starts or ends repeats the runs of the
// line above, so each line costs its width at most.
void PlanSurface::fillUnion(std::vector<QRect> areas, const QRect &bound, int rgb)
{
    const LineFill fill(m_image, pixelValue(rgb));
    keepPixels(bound);
    m_lastFill = QRect();
    std::sort(areas.begin(), areas.end(), [](auto &a, auto &b) { return a.top() < b.top(); });
    std::vector<QRect> byBottom = areas;
    std::sort(
        byBottom.begin(), byBottom.end(), [](auto &a, auto &b) { return a.bottom() < b.bottom(); });
    // Starts minus ends per column, from the bound's left edge.
    std::vector<int> steps(size_t(bound.width()) + 1, 0);
    auto count = [&](const QRect &a, int by) {
        steps[size_t(a.left() - bound.left())] += by;
        steps[size_t(a.right() + 1 - bound.left())] -= by;
    };
    std::vector<std::pair<int, int>> runs;
    auto in = areas.cbegin(), out = byBottom.cbegin();
    for (int y = bound.top(); y <= bound.bottom(); ++y) {
        const auto inBefore = in, outBefore = out;
        for (; in != areas.cend() && in->top() <= y; ++in)
            count(*in, 1);
        for (; out != byBottom.cend() && out->bottom() < y; ++out)
            count(*out, -1);
        if (in != inBefore || out != outBefore) {
            runs.clear();
            int over = 0;
            for (int x = bound.left(); x <= bound.right(); ++x) {
                const bool inside = over > 0;
                over += steps[size_t(x - bound.left())];
                if (over > 0 && !inside)
                    runs.emplace_back(x, x);
                else if (over > 0)
                    runs.back().second = x;
            }
        }
        for (const auto &[left, right] : runs)
            fill(y, left, right);
    }
}

void PlanSurface::setPicture(const QImage &picture)
{
    m_picture = planPicture(picture);
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
