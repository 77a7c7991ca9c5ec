// Build-time tool: renders an SVG icon of the user interface to a PNG.
//
//   plandex_icon_png IN.svg OUT.png WIDTH HEIGHT

#include "shell/svgpicture.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QSize size = args.size() == 5 ? QSize(args[3].toInt(), args[4].toInt()) : QSize();
    if (size.isEmpty()) {
        std::fprintf(stderr, "usage: plandex_icon_png IN.svg OUT.png WIDTH HEIGHT\n");
        return 2;
    }
    QFile source(args[1]);
    const QImage image = source.open(QIODevice::ReadOnly)
        ? plandex::svgPicture(source.readAll(), size)
        : QImage();
    if (image.isNull() || !image.save(args[2], "PNG")) {
        std::fprintf(stderr, "plandex_icon_png: cannot render %s to %s\n", qPrintable(args[1]),
            qPrintable(args[2]));
        return 1;
    }
    return 0;
}
