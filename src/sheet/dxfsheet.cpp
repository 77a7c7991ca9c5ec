// The room for CAD programs: its walls, its pieces, its doors, windows and
// openings, and the pieces' labels as layers of a DXF file, 1 drawing unit
// = 1 cm, the y axis pointing up.

#include "drawing/objectsinarea.h"
#include "drawing/roomdrawing.h"
#include "files/safesave.h"
#include "model/objecttable.h"
#include "openings/opening.h"
#include "sheet/dxfwriter.h"
#include "sheet/sheetexport.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>

namespace plandex {

namespace {

// The context its texts are translated in.
struct DxfSheet {
    Q_DECLARE_TR_FUNCTIONS(DxfSheet)
};

QList<QPointF> corners(double left, double top, double right, double bottom)
{
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// A piece's name and size ("120 x 60": the code page of DXF texts has no
// "×") in the largest letters that fit it, across or,
// in a piece much taller than wide, turned.
void labelPiece(DxfWriter &dxf, const QString &layer, const QRectF &box, const QString &name,
    const QString &size)
{
    const double letters = double(std::max<qsizetype>({name.size(), size.size(), 1}));
    const auto height = [letters](double along, double across) {
        return std::min({10.0, across / 4, along / (0.8 * letters)});
    };
    const bool turned = height(box.height(), box.width()) > height(box.width(), box.height());
    const double h = turned ? height(box.height(), box.width()) : height(box.width(), box.height());
    if (h <= 0)
        return;
    const QPointF shift = turned ? QPointF(0.7 * h, 0) : QPointF(0, 0.7 * h);
    const double degrees = turned ? 90 : 0;
    if (name.isEmpty()) {
        dxf.text(layer, box.center(), h, size, degrees);
        return;
    }
    // Turned, the name stands left of the size and reads upwards.
    dxf.text(layer, box.center() + (turned ? -shift : shift), h, name, degrees);
    dxf.text(layer, box.center() - (turned ? -shift : shift), h, size, degrees);
}

// An opening as the wall open over its width (the gap through the wall's
// band), a window's glass along it, and a door's leaf open at right angles
// from its hinges with the quarter arc of its swing; y points up.
void drawOpening(DxfWriter &dxf, const QString &layer, const Opening &o, QSize room)
{
    const double w = room.width(), h = room.height();
    // Along the wall from its start, and into the room from its inner line.
    QPointF origin, along, inward;
    switch (o.wall) {
    case Wall::Top:
        origin = {0, h}, along = {1, 0}, inward = {0, -1};
        break;
    case Wall::Bottom:
        origin = {0, 0}, along = {1, 0}, inward = {0, 1};
        break;
    case Wall::Left:
        origin = {0, h}, along = {0, -1}, inward = {1, 0};
        break;
    case Wall::Right:
        origin = {w, h}, along = {0, -1}, inward = {-1, 0};
        break;
    }
    const auto at = [&](double t, double depth) { return origin + along * t + inward * depth; };
    const double a = o.start, b = double(o.start) + o.width, band = -sheetWallCm;
    dxf.closedPolyline(layer, {at(a, 0), at(b, 0), at(b, band), at(a, band)});
    if (o.kind == OpeningKind::Window)
        dxf.openPolyline(layer, {at(a, band / 2), at(b, band / 2)});
    if (o.kind != OpeningKind::Door)
        return;
    const double hinge = hingeAt(o), far = hinge == a ? b : a;
    const double face = o.inward ? 0 : band, reach = (o.inward ? 1 : -1) * double(o.width);
    dxf.openPolyline(layer, {at(hinge, face), at(hinge, face + reach)});
    QList<QPointF> arc;
    const int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const double angle = std::numbers::pi / 2 * i / steps;
        arc.append(at(hinge + (far - hinge) * std::sin(angle), face + reach * std::cos(angle)));
    }
    dxf.openPolyline(layer, arc);
}

} // namespace

QString writeSheetDxf(const QString &path, const ObjectTable &table, QSize room)
{
    const double w = room.width(), h = room.height();
    // Rows of the room, its top-left corner at (0, h).
    struct Piece {
        int row;
        QRectF box;
        qint64 width, depth;
    };
    std::vector<Piece> pieces;
    std::vector<Opening> openings;
    forEachObjectIn(
        table, QRectF(0, 0, w, h),
        [&](int row, const ObjectRect &r) {
            if (const std::optional<Opening> opening = openingOfRow(table.row(row), room)) {
                openings.push_back(*opening);
                return;
            }
            const QRectF o = r.ordered();
            pieces.push_back(
                {row, QRectF(QPointF(o.left(), h - o.bottom()), QPointF(o.right(), h - o.top())),
                    r.width(), r.height()});
        },
        Lookup::Walk);

    // One entry a layer: what it is called, its colour and what it holds.
    struct Layer {
        QString name;
        int colour;
        std::function<void(DxfWriter &, const QString &)> draw;
    };
    const QList<Layer> layers {
        {DxfSheet::tr("Стены"), 7,
            [&](DxfWriter &dxf, const QString &layer) {
                dxf.closedPolyline(layer, corners(0, 0, w, h));
                dxf.closedPolyline(
                    layer, corners(-sheetWallCm, -sheetWallCm, w + sheetWallCm, h + sheetWallCm));
            }},
        {DxfSheet::tr("Мебель"), 5,
            [&](DxfWriter &dxf, const QString &layer) {
                for (const Piece &p : pieces)
                    dxf.closedPolyline(
                        layer, corners(p.box.left(), p.box.top(), p.box.right(), p.box.bottom()));
            }},
        {DxfSheet::tr("Проёмы"), 1,
            [&](DxfWriter &dxf, const QString &layer) {
                for (const Opening &o : openings)
                    drawOpening(dxf, layer, o, room);
            }},
        {DxfSheet::tr("Подписи"), 7,
            [&](DxfWriter &dxf, const QString &layer) {
                for (const Piece &p : pieces)
                    labelPiece(dxf, layer, p.box, table.name(p.row),
                        objectSizeText(p.width, p.depth).replace(u'×', u'x'));
            }},
    };
    QList<DxfWriter::Layer> names;
    for (const Layer &l : layers)
        names.append({l.name, l.colour});
    DxfWriter dxf(names, {-sheetWallCm, -sheetWallCm}, {w + sheetWallCm, h + sheetWallCm});
    for (const Layer &l : layers)
        l.draw(dxf, l.name);
    const QByteArray bytes = dxf.finish();
    return saveFileSafely(
        path, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); });
}

} // namespace plandex
