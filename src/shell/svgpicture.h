#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace plandex {

// A drawing rendered at one size on a transparent ground; null when the
// drawing cannot be read. For the build-time tools only: the program
// itself shows the pixels they write, so that it never loads Qt's SVG support.
inline QImage svgPicture(const QByteArray &drawing, QSize size)
{
    QSvgRenderer renderer(drawing);
    if (!renderer.isValid())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace plandex
