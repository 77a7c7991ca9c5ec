// The sheet as an SVG picture, text as text, its pages one below another.

#include "files/safesave.h"
#include "sheet/sheetexport.h"
#include "sheet/svgdevice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPaintDevice>
#include <QPainter>

#include <memory>

namespace plandex {

namespace {

// The context its texts are translated in.
struct SvgSheet {
    Q_DECLARE_TR_FUNCTIONS(SvgSheet)
};

// The SVG writer's maker from its module, loaded on the first SVG and kept
// loaded; null when the module is not where the program is.
MakeSvgDevice svgDeviceMaker()
{
    static const MakeSvgDevice maker = [] {
        const QDir program(QCoreApplication::applicationDirPath());
        for (const QString &folder :
            {QStringLiteral("."), QStringLiteral("../" PLANDEX_MODULE_DIR)}) {
            QLibrary module(program.filePath(folder + u'/' + svgDeviceModule));
            if (const auto make = reinterpret_cast<MakeSvgDevice>(module.resolve(svgDeviceEntry)))
                return make;
        }
        return MakeSvgDevice(nullptr);
    }();
    return maker;
}

} // namespace

QString writeSheetSvg(
    const QString &path, const ObjectTable &table, QSize room, const SheetRequest &request)
{
    if (!sheetFits(room, request))
        return sheetTooBig(room, request);
    const MakeSvgDevice make = svgDeviceMaker();
    if (!make)
        return SvgSheet::tr("не найден модуль %1, нужный для SVG").arg(svgDeviceModule);
    SheetRequest named = request;
    const Sheet sheet = prepareRequest(table, room, named);
    const QSizeF page = sheet.layout.page;
    return saveFileSafely(path, [&](QIODevice &file) {
        SvgDeviceSetup setup;
        setup.output = &file;
        setup.resolution = sheetDpi;
        setup.size = QSize(qRound(page.width()), qRound(page.height() * sheet.pages));
        setup.viewBox = QRectF(0, 0, page.width(), page.height() * sheet.pages);
        setup.title = sheetTitle(named.options);
        const std::unique_ptr<QPaintDevice> svg(make(setup));
        QPainter painter;
        if (!painter.begin(svg.get()))
            return false;
        paintSheetPages(painter, sheet, table, room, named.options, [&] {
            painter.translate(0, page.height());
            return true;
        });
        return painter.end();
    });
}

} // namespace plandex
