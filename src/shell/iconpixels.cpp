// Build-time tool: renders an SVG icon of the user interface into raw
// premultiplied 32-bit pixels, which the program shows without decoding.
//
//   plandex_icon_pixels IN.svg OUT WIDTH HEIGHT

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
        std::fprintf(stderr, "usage: plandex_icon_pixels IN.svg OUT WIDTH HEIGHT\n");
        return 2;
    }
    QFile source(args[1]);
    const QImage image
        = source.open(QIODevice::ReadOnly) ? plandex::svgPicture(source.readAll(), size) : QImage();
    QFile out(args[2]);
    const qsizetype lineBytes = qsizetype(size.width()) * 4;
    bool ok = !image.isNull() && out.open(QIODevice::WriteOnly);
    for (int y = 0; ok && y < image.height(); ++y)
        ok = out.write(reinterpret_cast<const char *>(image.constScanLine(y)), lineBytes)
            == lineBytes;
    if (!ok) {
        std::fprintf(stderr, "plandex_icon_pixels: cannot render %s to %s\n", qPrintable(args[1]),
            qPrintable(args[2]));
        return 1;
    }
    return 0;
}
