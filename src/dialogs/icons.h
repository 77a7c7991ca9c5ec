#pragma once

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace plandex {

// The built-in icons are PNGs, read as PNG outright: Qt otherwise asks
// every image plugin whether it reads the file, loading each, SVG support
// among them, and that would cost every start.
inline QPixmap pngPicture(const QString &path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// A tool icon: the plain picture and the "@2x" one for dense screens.
inline QIcon pngIcon(const QString &name)
{
    QIcon icon;
    const QString path = ":/icons/" + name;
    icon.addPixmap(pngPicture(path + ".png"));
    QPixmap dense = pngPicture(path + "@2x.png");
    dense.setDevicePixelRatio(2);
    icon.addPixmap(dense);
    return icon;
}

// The program's icon for its windows, at the sizes window managers ask for.
inline QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(pngPicture(QString(":/icons/plandex-%1.png").arg(size)));
    return icon;
}

} // namespace plandex
