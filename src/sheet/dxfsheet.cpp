// The room for CAD programs: its walls, its pieces and their labels as
// layers of a DXF file, 1 drawing unit = 1 cm, the y axis pointing up.

#include "drawing/objectsinarea.h"
#include "drawing/roomdrawing.h"
#include "files/safesave.h"
#include "model/objecttable.h"
#include "sheet/dxfwriter.h"
#include "sheet/sheetexport.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <functional>

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
    forEachObjectIn(
        table, QRectF(0, 0, w, h),
        [&](int row, const ObjectRect &r) {
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
