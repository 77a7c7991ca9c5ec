#include "files/komfile.h"
#include "model/codepage.h"
#include "plan/colors.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/scratchdir.h"

#include <QFile>
#include <QTest>

using namespace plandex;

Q_DECLARE_METATYPE(std::optional<plandex::Opening>)

class TestOpeningFile : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

void TestOpeningFile::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    // What the row is in a room of 300 x 200; empty: an ordinary object.
    QTest::addColumn<std::optional<Opening>>("opening");

    const QString door = "¤Дверь 80, низ, петли слева, внутрь";
    QTest::newRow("door opening inwards")
        << door << "110|190"
        << "119|199"
        << std::optional(Opening {OpeningKind::Door, Wall::Bottom, 110, 80, true, true});
    QTest::newRow("door opening outwards")
        << "¤Дверь 70, право, петли справа, наружу"
        << "299|299"
        << "20|90" << std::optional(Opening {OpeningKind::Door, Wall::Right, 20, 70, false, false});
    QTest::newRow("window") << "¤Окно 120, верх"
                            << "40|160"
                            << "0|0"
                            << std::optional(Opening {OpeningKind::Window, Wall::Top, 40, 120});
    QTest::newRow("opening without a leaf")
        << "¤Проём 90, лево"
        << "0|0"
        << "55|145" << std::optional(Opening {OpeningKind::Passage, Wall::Left, 55, 90});

    const std::optional<Opening> object;
    QTest::newRow("a door without its hinges") << "¤Дверь 80, низ"
                                               << "110|190"
                                               << "119|199" << object;
    QTest::newRow("the swing a row too high") << door << "110|190"
                                              << "118|198" << object;
    QTest::newRow("a width with a leading zero") << "¤Окно 0120, верх"
                                                 << "40|160"
                                                 << "0|0" << object;
    QTest::newRow("narrower than an opening may be") << "¤Окно 20, верх"
                                                     << "40|60"
                                                     << "0|0" << object;
    QTest::newRow("past the wall's end") << "¤Окно 120, верх"
                                         << "180|300"
                                         << "0|0" << object;
}

void TestOpeningFile::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(std::optional<Opening>, opening);

    if (opening) {
        QCOMPARE(openingName(*opening), name);
        const Edges a = openingArea(*opening, {300, 200});
        QCOMPARE(
            QString("%1|%2 %3|%4").arg(a.left).arg(a.right).arg(a.top).arg(a.bottom), x + ' ' + y);
    }
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.K().resize({300, 200});
    e.table().append("Стол", "20|80", "60|100");
    e.table().append(name, x, y);
    e.OBNOV();
    QCOMPARE(rowOpening(e, 1), opening);
    const QString shown = e.table().data(e.table().index(1), Qt::DisplayRole).toString();
    QCOMPARE(shown, opening ? name.mid(1).section(',', 0, 0) : name);
    // An ordinary object is a box like any other.
    const int corner = e.K().point(x.section('|', 0, 0).toInt(), y.section('|', 0, 0).toInt());
    QCOMPARE(corner == colors::blue || corner == colors::green, !opening);

    ScratchDir dir;
    const QString path = dir.path() + "/room.kom";
    const auto saved = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QVERIFY(e.saveKom(path));
    const QByteArray bytes = saved();
    // Read as any room file reader reads it: every record an object, the
    // marker the code page's 0xA4.
    const KomReadResult read = readKom(bytes);
    QVERIFY(!read.error);
    QCOMPARE(read.room.objects.size(), size_t(2));
    QCOMPARE(read.room.objects[1], (KomRoom::Object {name, x, y}));
    QVERIFY(bytes.contains("\x01" + toCodePage(name) + "\x02"));
    QCOMPARE(toCodePage(name).at(0), '\xA4');

    Editor reopened(window, prompts);
    reopened.openKom(path);
    QCOMPARE(rowOpening(reopened, 1), opening);
    QCOMPARE(reopened.komRoom(), e.komRoom());
    QVERIFY(QFile::remove(path));
    QVERIFY(reopened.saveKom(path));
    QCOMPARE(saved(), bytes);
}

QTEST_MAIN(TestOpeningFile)
#include "test_openingfile.moc"
