#pragma once

#include <QRect>
#include <QSize>

namespace plandex {

// Window layouts are designed in twips: 15 twips make one pixel at 96 dpi.
constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / twipsPerPixel;
}

constexpr int toTwips(int pixels)
{
    return pixels * twipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace plandex
