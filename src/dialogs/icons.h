#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace plandex {

// The built-in icons are raw premultiplied 32-bit pixels that the build
// renders from the drawings, named "<drawing>-<width>x<height>.argb": there
// is nothing to decode, and no image plugin gets loaded, at every start.
inline QPixmap iconPicture(const QString &drawing, QSize size)
{
    const QResource resource(
        QString(":/icons/%1-%2x%3.argb").arg(drawing).arg(size.width()).arg(size.height()));
    const QByteArray pixels = resource.uncompressedData();
    if (pixels.size() != qsizetype(size.width()) * size.height() * 4)
        return QPixmap();
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(pixels.constData()),
        size.width(), size.height(), QImage::Format_ARGB32_Premultiplied));
}

// A tool icon at its size, and at twice that for dense screens.
inline QIcon toolIcon(const QString &drawing, QSize size)
{
    QIcon icon;
    icon.addPixmap(iconPicture(drawing, size));
    QPixmap dense = iconPicture(drawing, size * 2);
    dense.setDevicePixelRatio(2);
    icon.addPixmap(dense);
    return icon;
}

// The program's icon for its windows, at the sizes window managers ask for.
inline QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(iconPicture("plandex", QSize(size, size)));
    return icon;
}

} // namespace plandex
