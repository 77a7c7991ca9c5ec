#include "export/roomdata.h"

#include "model/geometry.h"
#include "openings/opening.h"
#include "sheet/furniturearea.h"
#include "walkways/roomwalkways.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>
#include <vector>

namespace plandex {

namespace {

// One row of the table as the data tells it.
struct Entry {
    QString name;
    qint32 left = 0, top = 0, right = 0, bottom = 0;
    std::optional<Opening> opening;
    // A piece's walkway width; empty in a room nobody can come into.
    std::optional<int> walkway;

    qint64 width() const { return qint64(right) - left; }
    qint64 depth() const { return qint64(bottom) - top; }
    bool reachable(int passage) const { return walkway && *walkway >= passage; }
};

std::vector<Entry> entriesOf(const ObjectTable &table, QSize room)
{
    const RoomPieces pieces = roomPieces(table, room);
    std::vector<int> widths;
    if (!pieces.entrances.empty())
        widths = WalkwayMap(room, pieces.pieces, pieces.entrances).walkwayWidths(pieces.pieces);
    std::vector<Entry> entries(size_t(table.count()));
    for (size_t i = 0; i < widths.size(); ++i)
        entries[size_t(pieces.rows[i])].walkway = widths[i];
    qint32 l = 0, t = 0, r = 0, b = 0;
    for (int i = 0; i < table.count(); ++i) {
        Entry &e = entries[size_t(i)];
        const ObjectTable::Row &row = table.row(i);
        // As the plan draws the row.
        readRect(row, l, t, r, b);
        e.left = l;
        e.top = t;
        e.right = r;
        e.bottom = b;
        e.opening = openingOfRow(row, room);
        e.name = e.opening ? russianOpeningTitle(*e.opening) : row.name;
    }
    return entries;
}

QString kindOf(const Entry &e)
{
    if (!e.opening)
        return QStringLiteral("furniture");
    switch (e.opening->kind) {
    case OpeningKind::Door:
        return QStringLiteral("door");
    case OpeningKind::Window:
        return QStringLiteral("window");
    case OpeningKind::Passage:
        return QStringLiteral("opening");
    }
    return {};
}

QString wallOf(Wall wall)
{
    switch (wall) {
    case Wall::Top:
        return QStringLiteral("top");
    case Wall::Bottom:
        return QStringLiteral("bottom");
    case Wall::Left:
        return QStringLiteral("left");
    case Wall::Right:
        return QStringLiteral("right");
    }
    return {};
}

bool isDoor(const Entry &e)
{
    return e.opening && e.opening->kind == OpeningKind::Door;
}

QString hingeOf(const Entry &e)
{
    return e.opening->hingesLeft ? QStringLiteral("left") : QStringLiteral("right");
}

// A field as spreadsheets read it back: quoted when it holds a comma, a
// quotation mark, a line end or spaces at its ends.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n')
        && !text.contains(u'\r') && text.trimmed() == text)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// A name a spreadsheet would run as a formula keeps an apostrophe before it.
QString csvName(const QString &name)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!name.isEmpty() && formulaStarts.contains(name.front()))
        return csvField(u'\'' + name);
    return csvField(name);
}

} // namespace

QByteArray roomJson(const ObjectTable &table, QSize room, int passage)
{
    QJsonArray objects;
    for (const Entry &e : entriesOf(table, room)) {
        QJsonObject o {{"name", e.name}, {"kind", kindOf(e)}, {"left", e.left}, {"top", e.top},
            {"width", e.width()}, {"depth", e.depth()}};
        if (!e.opening) {
            o.insert("reachable", e.reachable(passage));
            o.insert("walkway", e.walkway ? QJsonValue(*e.walkway) : QJsonValue());
        } else {
            o.insert("wall", wallOf(e.opening->wall));
        }
        if (isDoor(e)) {
            o.insert("hinge", hingeOf(e));
            o.insert("inward", e.opening->inward);
        }
        objects.append(o);
    }
    const double area = double(room.width()) * room.height();
    const QJsonObject roomFacts {{"width", room.width()}, {"height", room.height()},
        {"area", area / 10000}, {"furniture_area", double(furnitureArea(table, room)) / 10000}};
    const QJsonObject data {{"room", roomFacts}, {"passage", passage}, {"objects", objects}};
    return QJsonDocument(data).toJson(QJsonDocument::Indented);
}

QByteArray roomCsv(const ObjectTable &table, QSize room, int passage)
{
    QString text
        = QStringLiteral("name,kind,left,top,width,depth,reachable,walkway,wall,hinge,inward\r\n");
    for (const Entry &e : entriesOf(table, room)) {
        const bool furniture = !e.opening;
        const bool door = isDoor(e);
        const auto flag
            = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
        const QStringList fields {csvName(e.name), kindOf(e), QString::number(e.left),
            QString::number(e.top), QString::number(e.width()), QString::number(e.depth()),
            furniture ? flag(e.reachable(passage)) : QString(),
            furniture && e.walkway ? QString::number(*e.walkway) : QString(),
            furniture ? QString() : wallOf(e.opening->wall), door ? hingeOf(e) : QString(),
            door ? flag(e.opening->inward) : QString()};
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    // The mark tells spreadsheets the text is UTF-8.
    return "\xEF\xBB\xBF" + text.toUtf8();
}

} // namespace plandex
