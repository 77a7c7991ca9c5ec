#include "drawing/objectlabel.h"

#include "drawing/drawnareas.h"
#include "drawing/labeltext.h"
#include "drawing/objectsinarea.h"
#include "drawing/roomdrawing.h"
#include "model/objecttable.h"
#include "openings/opening.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace plandex {

namespace {

double marginOf(const QFontMetricsF &metrics)
{
    return std::max(1.0, metrics.height() / 8);
}

// The label across a box of width by height, read along its width.
FittedLabel fitAcross(double width, double height, const QString &name, const QString &size,
    const QFontMetricsF &metrics)
{
    FittedLabel label;
    const double lineHeight = metrics.height();
    const double margin = marginOf(metrics);
    const double room = width - 2 * margin;
    const int rows = int(std::min(double(maxLabelLines), (height - 2 * margin) / lineHeight));
    if (rows < 1 || room < 1 || metrics.horizontalAdvance(size) > room)
        return label;
    QStringList texts;
    if (name.isEmpty()) {
        label.whole = true;
    } else if (rows > 1) {
        const WrappedText wrapped = wrappedText(name, room, rows - 1, metrics);
        texts = wrapped.lines;
        label.whole = wrapped.whole && wrapped.lines.size() == 1;
    }
    texts << size;

    label.count = int(texts.size());
    const double top = -label.count * lineHeight / 2;
    double widest = 0;
    for (int i = 0; i < label.count; ++i) {
        FittedLabel::Line &line = label.lines[size_t(i)];
        line.text = texts[i];
        const double advance = metrics.horizontalAdvance(line.text);
        widest = std::max(widest, advance);
        line.baseline = {-advance / 2, top + i * lineHeight + metrics.ascent()};
    }
    label.extent = QRectF(-widest / 2, top, widest, label.count * lineHeight);
    return label;
}

int worth(const FittedLabel &label)
{
    return (label.whole ? 3 : 0) + std::min(label.count, 2);
}

} // namespace

QRectF labelSpace(const QRectF &box, const QFontMetricsF &metrics)
{
    const double margin = marginOf(metrics);
    const QRectF inside = box.adjusted(margin, margin, -margin, -margin);
    if (std::min(inside.width(), inside.height()) < metrics.height())
        return {};
    return inside;
}

FittedLabel fitLabel(
    const QRectF &box, const QString &name, const QString &size, const QFontMetricsF &metrics)
{
    FittedLabel label = fitAcross(box.width(), box.height(), name, size, metrics);
    if (!label.whole && box.height() > box.width()) {
        FittedLabel turned = fitAcross(box.height(), box.width(), name, size, metrics);
        if (worth(turned) > worth(label)) {
            label = std::move(turned);
            label.turned = true;
            // The extent turned a quarter to the left.
            const QRectF e = label.extent;
            label.extent = QRectF(e.top(), -e.right(), e.height(), e.width());
        }
    }
    label.centre = box.center();
    label.extent.translate(label.centre);
    return label;
}

void drawLabel(QPainter &painter, const FittedLabel &label)
{
    painter.save();
    painter.translate(label.centre);
    if (label.turned)
        painter.rotate(-90);
    for (int i = 0; i < label.count; ++i)
        painter.drawText(label.lines[size_t(i)].baseline, label.lines[size_t(i)].text);
    painter.restore();
}

QString objectSizeText(qint64 width, qint64 height)
{
    return QString::number(width) + QStringLiteral(" \u00D7 ") + QString::number(height);
}

void drawObjectLabels(QPainter &painter, const ObjectTable &table, const QRectF &area,
    const QFont &font, const QColor &color, QSize room)
{
    paintObjectLabels(painter, table, area, font, color, Lookup::Grid, room);
}

void paintObjectLabels(QPainter &painter, const ObjectTable &table, const QRectF &area,
    const QFont &font, const QColor &color, Lookup lookup, QSize room)
{
    QFont deviceFont = font;
    if (deviceFont.pixelSize() <= 0)
        deviceFont.setPixelSize(std::max(1, qRound(font.pointSizeF())));
    const QFontMetricsF metrics(deviceFont, painter.device());
    const QTransform toDevice = painter.worldTransform();
    // Boxes reaching far beyond the device (only a damaged file has them)
    // are cut to it first, so that the numbers stay small.
    const QRectF device(0, 0, painter.device()->width(), painter.device()->height());
    const auto onDevice
        = [&device](const QRectF &box) { return device.isEmpty() ? box : box.intersected(device); };

    painter.save();
    painter.resetTransform();
    painter.setFont(deviceFont);
    painter.setPen(color);
    DrawnAreas drawn(device, 4 * metrics.height());
    forEachObjectIn(
        table, area,
        [&](int row, const ObjectRect &rect) {
            if (room.isValid() && openingOfRow(table.row(row), room))
                return;
            const QRectF box = onDevice(toDevice.mapRect(rect.ordered()));
            const QRectF space = labelSpace(box, metrics);
            if (space.isEmpty() || drawn.overlaps(space))
                return;
            const FittedLabel label = fitLabel(
                box, table.name(row), objectSizeText(rect.width(), rect.height()), metrics);
            if (label.count == 0)
                return;
            drawn.add(label.extent);
            painter.save();
            painter.setClipRect(box, Qt::IntersectClip);
            drawLabel(painter, label);
            painter.restore();
        },
        lookup);
    painter.restore();
}

} // namespace plandex
