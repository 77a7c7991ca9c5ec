#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <cstring>

// What the plan's drawing and its snapshot share: the part of a box on the
// plan, and runs of one pixel value written straight into the image.

namespace plandex {

// The part of a box's bounding rectangle that lies on a plan of this size.
inline QRect clipToPlan(qint64 left, qint64 top, qint64 right, qint64 bottom, QSize size)
{
    left = std::max<qint64>(left, 0);
    top = std::max<qint64>(top, 0);
    right = std::min<qint64>(right, size.width() - 1);
    bottom = std::min<qint64>(bottom, size.height() - 1);
    if (left > right || top > bottom)
        return QRect();
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

// Runs of one pixel value written into an image's lines.
class LineFill
{
public:
    // Takes the pixel value after any change of the image's format.
    LineFill(QImage &image, uint value)
        : m_value(value)
        , m_depth(image.depth() / 8)
        , m_stride(image.bytesPerLine())
        , m_bits(image.bits()) // detaches once, not per line
    { }
    // Columns left to right of line y, both included.
    void operator()(int y, int left, int right) const
    {
        uchar *line = m_bits + y * m_stride + qsizetype(left) * m_depth;
        const qsizetype count = qsizetype(right) - left + 1;
        if (m_depth == 1)
            std::memset(line, int(m_value), size_t(count));
        else
            std::fill_n(reinterpret_cast<QRgb *>(line), count, QRgb(m_value));
    }

private:
    uint m_value;
    qsizetype m_depth;
    qsizetype m_stride;
    uchar *m_bits;
};

} // namespace plandex
