#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

class QIODevice;
class QPaintDevice;

// The one thing the sheet needs Qt's SVG support for, an SVG writer to
// paint on, lives in a module of its own (svgdevicemodule.cpp) that is
// loaded only when an SVG is written, so that the program's start never
// loads Qt's SVG library.
namespace plandex {

// What the SVG writer is made with.
struct SvgDeviceSetup {
    QIODevice *output = nullptr;
    // Its size in pixels at resolution dots per inch, and what the drawing's
    // coordinates span over it.
    QSize size;
    QRectF viewBox;
    int resolution = 0;
    QString title;
};

// The module's file, beside the program in the build tree or in the
// installed private library folder, and its one entry point.
inline constexpr char svgDeviceModule[] = "plandex-svg.so";
inline constexpr char svgDeviceEntry[] = "plandexSvgDevice";

// The entry point: a new writer owned by the caller.
using MakeSvgDevice = QPaintDevice *(*)(const SvgDeviceSetup &setup);

} // namespace plandex
