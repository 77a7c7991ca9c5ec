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

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize twipsSize(int width, int height)
{
    return QSize(px(width), px(height));
}

// Names a control after its role in the layout and puts it in its place.
template<typename Control> Control *placed(Control *control, const char *name, QRect geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace plandex
