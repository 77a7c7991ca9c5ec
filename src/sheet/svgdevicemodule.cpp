// The SVG writer the sheet paints on, in a module of its own linking only
// Qt Gui and Qt Svg (see svgdevice.h).

#include "sheet/svgdevice.h"

#include <QSvgGenerator>

extern "C" Q_DECL_EXPORT QPaintDevice *plandexSvgDevice(const plandex::SvgDeviceSpec &spec)
{
    auto *svg = new QSvgGenerator;
    svg->setOutputDevice(spec.output);
    svg->setResolution(spec.resolution);
    svg->setSize(spec.size);
    svg->setViewBox(spec.viewBox);
    svg->setTitle(spec.title);
    return svg;
}
