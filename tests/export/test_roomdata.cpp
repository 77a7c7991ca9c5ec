#include "support/exportrun.h"
#include "support/filebytes.h"
#include "support/scratchdir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// plandex-export writing the room as data: JSON for scripts, CSV for
// spreadsheets.
class TestRoomData : public QObject
{
    Q_OBJECT

private slots:
    void jsonOfAKnownRoom_data();
    void jsonOfAKnownRoom();
    void csvForSpreadsheets();
};

namespace {

// 400 x 300: a door of 80 in the bottom wall, a window in the top one, and
// behind a gap of 50 between two pieces a wardrobe that a person of 60
// cannot reach. cp1251 bytes; "\xa4" is the openings' marker.
QByteArray walkedRoomFile(bool door)
{
    QByteArray bytes = "komfile: 400|300"
                       "\x01\xd1\xf2\xe5\xeb\xeb\xe0\xe6\x02"
                       "0|170\x03"
                       "150|170"
                       "\x01=\xcf\xee\xeb\xea\xe0, \"\xf3\xe3\xeb\xee\xe2\xe0\xff\"\x02"
                       "220|400\x03"
                       "150|170"
                       "\x01\xd8\xea\xe0\xf4\x02"
                       "50|150\x03"
                       "20|60"
                       "\x01\xa4\xce\xea\xed\xee 120, \xe2\xe5\xf0\xf5\x02"
                       "200|320\x03"
                       "0|0";
    if (door)
        bytes += "\x01\xa4\xc4\xe2\xe5\xf0\xfc 80, \xed\xe8\xe7, \xef\xe5\xf2\xeb\xe8 "
                 "\xf1\xeb\xe5\xe2\xe0, \xe2\xed\xf3\xf2\xf0\xfc\x02"
                 "100|180\x03"
                 "219|299";
    return bytes + "\x01\r\n";
}

} // namespace

void TestRoomData::jsonOfAKnownRoom_data()
{
    QTest::addColumn<bool>("door");
    QTest::addColumn<QString>("field"); // keys and indices, parted by '/'
    QTest::addColumn<QJsonValue>("value");

    const auto row = [](const char *name, bool door, const QString &field, const QJsonValue &v) {
        QTest::newRow(name) << door << field << v;
    };
    row("room width", true, "room/width", 400);
    row("room height", true, "room/height", 300);
    row("room area", true, "room/area", 12.0);
    row("furniture area, the openings left out", true, "room/furniture_area", 1.1);
    row("passage", true, "passage", 60);
    row("one entry per row", true, "objects/length", 5);
    row("a name as stored", true, "objects/1/name", "=Полка, \"угловая\"");
    row("kind", true, "objects/1/kind", "furniture");
    row("left", true, "objects/1/left", 220);
    row("top", true, "objects/1/top", 150);
    row("width", true, "objects/1/width", 180);
    row("depth", true, "objects/1/depth", 20);
    row("reached through the door", true, "objects/1/reachable", true);
    row("walkway as wide as the door", true, "objects/1/walkway", 80);
    row("behind the gap", true, "objects/2/reachable", false);
    row("walkway of the gap", true, "objects/2/walkway", 50);
    row("furniture has no wall", true, "objects/2/wall", QJsonValue(QJsonValue::Undefined));
    row("window", true, "objects/3/kind", "window");
    row("window's name in Russian", true, "objects/3/name", "Окно 120");
    row("window's wall", true, "objects/3/wall", "top");
    row("window's depth, its strip", true, "objects/3/depth", 0);
    row("a window has no hinges", true, "objects/3/hinge", QJsonValue(QJsonValue::Undefined));
    row("a window is no furniture", true, "objects/3/walkway", QJsonValue(QJsonValue::Undefined));
    row("door", true, "objects/4/kind", "door");
    row("door's name in Russian", true, "objects/4/name", "Дверь 80");
    row("door's top, its swing", true, "objects/4/top", 219);
    row("door's wall", true, "objects/4/wall", "bottom");
    row("door's hinges", true, "objects/4/hinge", "left");
    row("door inward", true, "objects/4/inward", true);
    row("no door: no walkway", false, "objects/0/walkway", QJsonValue(QJsonValue::Null));
    row("no door: not reached", false, "objects/0/reachable", false);
}

// Every field of the data, in a language other than the names'.
void TestRoomData::jsonOfAKnownRoom()
{
    QFETCH(bool, door);
    QFETCH(QString, field);
    QFETCH(QJsonValue, value);
    ScratchDir dir;
    const QString room = dir.filePath("комната.kom"), out = dir.filePath("комната.json");
    QVERIFY(put(room, walkedRoomFile(door)));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "en_US.UTF-8");
    const ExportRun r = runExport({room, out}, env);
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    QJsonParseError error;
    QJsonValue found = QJsonDocument::fromJson(contentOf(out), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    for (const QString &key : field.split('/')) {
        bool index = false;
        const int i = key.toInt(&index);
        found = key == "length" ? QJsonValue(found.toArray().size())
            : index             ? found.toArray().at(i)
                                : found.toObject().value(key);
    }
    QCOMPARE(found, value);
}

// The rows as a spreadsheet reads them: quoted where needed, and a name
// that would run as a formula kept as text.
void TestRoomData::csvForSpreadsheets()
{
    ScratchDir dir;
    const QString room = dir.filePath("комната.kom"), out = dir.filePath("rows.csv");
    QVERIFY(put(room, walkedRoomFile(true)));
    const ExportRun r = runExport({room, out, "--passage", "50"});
    QCOMPARE(r.errors, QString());
    QCOMPARE(r.status, 0);
    // The mark before the header tells spreadsheets the text is UTF-8.
    QCOMPARE(contentOf(out),
        QStringLiteral(
            "\uFEFFname,kind,left,top,width,depth,reachable,walkway,wall,hinge,inward\r\n"
            "Стеллаж,furniture,0,150,170,20,true,80,,,\r\n"
            "\"'=Полка, \"\"угловая\"\"\",furniture,220,150,180,20,true,80,,,\r\n"
            "Шкаф,furniture,50,20,100,40,true,50,,,\r\n"
            "Окно 120,window,200,0,120,0,,,top,,\r\n"
            "Дверь 80,door,100,219,80,80,,,bottom,left,true\r\n")
            .toUtf8());
}

QTEST_GUILESS_MAIN(TestRoomData)
#include "test_roomdata.moc"
