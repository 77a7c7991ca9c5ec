#include "plan/objectlabel.h"

#include "model/objecttable.h"
#include "plan/objectsinarea.h"
#include "plan/roomdrawing.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace plandex {

namespace {

// The text as wide as width at the most, its end replaced by "…" when
// shortened. Names from files can be long: no more of the text is measured
// than a line of the narrowest characters could hold, and a text cut there
// counts as shortened even when what is left of it happens to fit.
QString shortened(const QString &text, double width, const QFontMetricsF &metrics)
{
    const qsizetype enough = qsizetype(width / (0.15 * metrics.height())) + 2;
    if (text.size() <= enough)
        return metrics.elidedText(text, Qt::ElideRight, width);
    const QString cut = text.left(enough);
    QString shown = metrics.elidedText(cut, Qt::ElideRight, width);
    if (shown == cut)
        shown = metrics.elidedText(cut.chopped(1) + u'…', Qt::ElideRight, width);
    return shown;
}

} // namespace

FittedLabel fitLabel(
    const QRectF &box, const QString &name, const QString &size, const QFontMetricsF &metrics)
{
    FittedLabel label;
    const double lineHeight = metrics.height();
    const double margin = std::max(1.0, lineHeight / 8);
    const double width = box.width() - 2 * margin;
    const int room = int(std::min(2.0, (box.height() - 2 * margin) / lineHeight));
    if (room < 1 || width < 1)
        return label;

    const QString *wanted[2] = {&name, &size};
    for (const QString *text : wanted) {
        if (label.count == room)
            break;
        if (text->isEmpty())
            continue;
        QString shown = shortened(*text, width, metrics);
        if (shown != *text && shown.size() < 2)
            continue;
        label.lines[label.count++].text = std::move(shown);
    }

    const double top = box.center().y() - label.count * lineHeight / 2;
    for (int i = 0; i < label.count; ++i) {
        FittedLabel::Line &line = label.lines[i];
        const double x = box.center().x() - metrics.horizontalAdvance(line.text) / 2;
        line.baseline = {x, top + i * lineHeight + metrics.ascent()};
    }
    return label;
}

QString objectSizeText(qint64 width, qint64 height)
{
    return QString::number(width) + QStringLiteral(" \u00D7 ") + QString::number(height);
}

void drawObjectLabels(QPainter &painter, const ObjectTable &table, const QRectF &area,
    const QFont &font, const QColor &color)
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
    forEachObjectIn(table, area, [&](int row, const ObjectRect &rect) {
        const QRectF box = onDevice(toDevice.mapRect(rect.ordered()));
        if (box.height() < metrics.height())
            return;
        const FittedLabel label
            = fitLabel(box, table.name(row), objectSizeText(rect.width(), rect.height()), metrics);
        if (label.count == 0)
            return;
        painter.save();
        painter.setClipRect(box, Qt::IntersectClip);
        for (int i = 0; i < label.count; ++i)
            painter.drawText(label.lines[i].baseline, label.lines[i].text);
        painter.restore();
    });
    painter.restore();
}

} // namespace plandex
