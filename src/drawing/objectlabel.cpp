#include "drawing/objectlabel.h"

#include "drawing/objectsinarea.h"
#include "drawing/roomdrawing.h"
#include "model/objecttable.h"
#include "openings/opening.h"

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

// The labels drawn so far, on a grid of cells over the device.
class DrawnLabels
{
public:
    DrawnLabels(const QRectF &device, double lineHeight)
        : m_device(device)
        , m_cell(std::max({4 * lineHeight, device.width() / 64, device.height() / 64, 1.0}))
        , m_columns(int(device.width() / m_cell) + 1)
        , m_cells(size_t(m_columns) * size_t(int(device.height() / m_cell) + 1))
    { }

    bool overlaps(const QRectF &r) const
    {
        bool found = false;
        forCells(r, [&](const std::vector<QRectF> &cell) {
            for (const QRectF &drawn : cell)
                found = found || drawn.intersects(r);
        });
        return found;
    }
    void add(const QRectF &r)
    {
        forCells(r, [&r](std::vector<QRectF> &cell) { cell.push_back(r); });
    }

private:
    template<typename Visit> void forCells(const QRectF &r, Visit visit) const
    {
        const QRectF on = r.intersected(m_device);
        if (on.isEmpty())
            return;
        const int x1 = int((on.left() - m_device.left()) / m_cell);
        const int x2 = int((on.right() - m_device.left()) / m_cell);
        const int y1 = int((on.top() - m_device.top()) / m_cell);
        const int y2 = int((on.bottom() - m_device.top()) / m_cell);
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                visit(m_cells[size_t(y) * size_t(m_columns) + size_t(x)]);
    }

    QRectF m_device;
    double m_cell;
    int m_columns;
    mutable std::vector<std::vector<QRectF>> m_cells;
};

} // namespace

QRectF labelSpace(const QRectF &box, const QFontMetricsF &metrics)
{
    const double lineHeight = metrics.height();
    const double margin = std::max(1.0, lineHeight / 8);
    const QRectF inside = box.adjusted(margin, margin, -margin, -margin);
    const int lines = int(std::min(2.0, inside.height() / lineHeight));
    if (lines < 1 || inside.width() < 1)
        return {};
    return {inside.left(), box.center().y() - lines * lineHeight / 2, inside.width(),
        lines * lineHeight};
}

FittedLabel fitLabel(
    const QRectF &box, const QString &name, const QString &size, const QFontMetricsF &metrics)
{
    FittedLabel label;
    const QRectF space = labelSpace(box, metrics);
    if (space.isEmpty())
        return label;
    const double lineHeight = metrics.height();
    const int room = qRound(space.height() / lineHeight);

    const QString *wanted[2] = {&name, &size};
    for (const QString *text : wanted) {
        if (label.count == room)
            break;
        if (text->isEmpty())
            continue;
        QString shown = shortened(*text, space.width(), metrics);
        if (shown != *text && shown.size() < 2)
            continue;
        label.lines[label.count++].text = std::move(shown);
    }

    const double top = box.center().y() - label.count * lineHeight / 2;
    for (int i = 0; i < label.count; ++i) {
        FittedLabel::Line &line = label.lines[i];
        const double width = metrics.horizontalAdvance(line.text);
        const double x = box.center().x() - width / 2;
        line.baseline = {x, top + i * lineHeight + metrics.ascent()};
        label.extent |= QRectF(x, top + i * lineHeight, width, lineHeight);
    }
    return label;
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
    DrawnLabels drawn(device, metrics.height());
    forEachObjectIn(
        table, area,
        [&](int row, const ObjectRect &rect) {
            if (room.isValid() && openingOfRow(table.row(row), room))
                return;
            const QRectF box = onDevice(toDevice.mapRect(rect.ordered()));
            if (box.height() < metrics.height() || drawn.overlaps(labelSpace(box, metrics)))
                return;
            const FittedLabel label = fitLabel(
                box, table.name(row), objectSizeText(rect.width(), rect.height()), metrics);
            if (label.count == 0)
                return;
            drawn.add(label.extent);
            painter.save();
            painter.setClipRect(box, Qt::IntersectClip);
            for (int i = 0; i < label.count; ++i)
                painter.drawText(label.lines[i].baseline, label.lines[i].text);
            painter.restore();
        },
        lookup);
    painter.restore();
}

} // namespace plandex
