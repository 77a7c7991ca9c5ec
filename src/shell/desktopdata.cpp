// Build-time tool: writes the desktop files that the package installs
// under share/ from the same code as the per-user registration, and
// renders the PNG sizes of the two icons from their SVG drawings.
//
//   plandex_desktop_data OUT_SHARE APP_SVG ROOM_SVG SIZE...

#include "shell/desktopentry.h"
#include "shell/mimepackage.h"
#include "shell/roomfiletype.h"
#include "shell/svgpicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace plandex;

namespace {

bool save(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section('/', 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool renderIcon(const QString &svg, const QString &share, const QString &context,
    const QString &name, const QList<int> &sizes)
{
    QFile source(svg);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray drawing = source.readAll();
    const QString hicolor = share + "/icons/hicolor/";
    if (!save(hicolor + "scalable/" + context + "/" + name + ".svg", drawing))
        return false;
    for (const int size : sizes) {
        const QImage image = svgPicture(drawing, QSize(size, size));
        if (image.isNull())
            return false;
        const QString dir = hicolor + QString("%1x%1/").arg(size) + context;
        QDir().mkpath(dir);
        if (!image.save(dir + "/" + name + ".png", "PNG"))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QList<int> sizes;
    for (qsizetype i = 4; i < args.size(); ++i)
        sizes.append(args[i].toInt());
    if (args.size() < 4 || sizes.contains(0)) {
        std::fprintf(stderr, "usage: plandex_desktop_data OUT_SHARE APP_SVG ROOM_SVG SIZE...\n");
        return 2;
    }
    const QString share = args[1];
    // The installed program is found on PATH.
    const bool ok = save(share + "/applications/" + desktopFileName, desktopEntry("plandex"))
        && save(share + "/mime/packages/" + appId + ".xml", mimePackage())
        && renderIcon(args[2], share, "apps", appIconName, sizes)
        && renderIcon(args[3], share, "mimetypes", roomIconName, sizes);
    if (!ok)
        std::fprintf(stderr, "plandex_desktop_data: could not write under %s\n", qPrintable(share));
    return ok ? 0 : 1;
}
