// The SVG writer the sheet paints on, in a module of its own linking only
// Qt Gui and Qt Svg (see svgdevice.h).

#include "sheet/svgdevice.h"

#include <QSvgGenerator>

extern "C" Q_DECL_EXPORT QPaintDevice *plandexSvgDevice(const plandex::SvgDeviceSetup &setup)
{
    auto *svg = new QSvgGenerator;
    svg->setOutputDevice(setup.output);
    svg->setResolution(setup.resolution);
    svg->setSize(setup.size);
    svg->setViewBox(setup.viewBox);
    svg->setTitle(setup.title);
    return svg;
}
