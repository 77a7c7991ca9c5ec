#include "plandexui.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace plandexui;

class TestRoomFiles : public QObject
{
    Q_OBJECT

private slots:
    void startsWithARoomFile_data();
    void startsWithARoomFile();
    void aBadCommandLineFileIsReportedBeforeTheWindow();
    void saveExportAndABadOpenThroughTheDialogs();
};

namespace {

const QPoint sofa {100, 50};
const QPoint table {340, 190};
const QPoint bareFloor {250, 300};

// The colours of the sofa, the table and bare floor on the plan, once they
// are as wanted or the wait is over.
const QString allBlue = "#0000ff #0000ff #000000";
const QString tableGreen = "#0000ff #00ff00 #000000";
QString planColours(XSession &x, quint64 window, const QString &want)
{
    auto colours = [](const QImage &s) {
        return s.pixelColor(atRoom(sofa)).name() + " " + s.pixelColor(atRoom(table)).name() + " "
            + s.pixelColor(atRoom(bareFloor)).name();
    };
    return colours(
        x.waitForScreenshot(window, [&](const QImage &s) { return colours(s) == want; }));
}

// Clicks a point given in a dialog's own coordinates.
bool clickIn(XSession &x, quint64 dialog, QPoint at, int count = 1)
{
    return x.click(x.geometry(dialog).topLeft() + at, count);
}

// Closes the message box titled Plandex with Return; its text is not
// readable from outside, so the caller checks what it left behind.
bool acknowledgeMessage(XSession &x)
{
    const quint64 box = x.waitForWindow(promptTitle);
    return box && x.waitForFocus(box) && x.key("Return") && x.waitForNoWindow(promptTitle);
}

// Where the buttons of the dialogs are, in their own coordinates.
constexpr QPoint saveButton {384, 188};
constexpr QPoint firstFileOfOpen {232, 9};
constexpr QPoint saveToolButton {24, 280};
constexpr QPoint exportToolButton {24, 328};
constexpr QPoint openToolButton {24, 240};

} // namespace

void TestRoomFiles::startsWithARoomFile_data()
{
    QTest::addColumn<QString>("name"); // in a temporary folder
    QTest::addColumn<QStringList>("arguments"); // {folder} stands for that folder

    QTest::newRow("the path as one argument")
        << "my rooms/plan.kom" << QStringList {"{folder}/my rooms/plan.kom"};
    // As typed in a terminal without quotation marks.
    QTest::newRow("a path with a blank as two arguments")
        << "my rooms/plan.kom" << QStringList {"{folder}/my", "rooms/plan.kom"};
    // Qt would take this for its own option and remove it.
    QTest::newRow("a name Qt knows as an option") << "-reverse" << QStringList {"-reverse"};
}

void TestRoomFiles::startsWithARoomFile()
{
    QFETCH(QString, name);
    QFETCH(QStringList, arguments);
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkdir("my rooms"));
    QVERIFY(put(tmp.filePath(name), exampleRoom));
    arguments.replaceInStrings("{folder}", tmp.path());

    const QString oldCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tmp.path()));
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    const bool started = x.startApp(arguments);
    QDir::setCurrent(oldCwd);
    QVERIFY(started);
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window, "no main window");
    QCOMPARE(planColours(x, window, allBlue), allBlue);
    // No message came up.
    QVERIFY(x.waitForNoWindow(promptTitle, 500));
}

void TestRoomFiles::aBadCommandLineFileIsReportedBeforeTheWindow()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("broken.kom");
    QVERIFY(put(file, k("komfile: 553|361{1}a{2}1|2{3}3|4\r\n")));

    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp({file}));
    QVERIFY2(x.waitForWindow(promptTitle), "no message about the bad file");
    QVERIFY2(!x.waitForWindow("^My Plandex", 300), "the main window came before the message");
    QVERIFY(acknowledgeMessage(x));
    quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window, "the program did not go on after the message");
    const QImage shot = x.waitForScreenshot(
        window, [](const QImage &s) { return s.pixelColor(atRoom(552, 360)) == black; });
    QCOMPARE(shot.pixelColor(atRoom(sofa)), black);
    QCOMPARE(shot.pixelColor(atRoom(552, 360)), black);
}

void TestRoomFiles::saveExportAndABadOpenThroughTheDialogs()
{
    QTemporaryDir tmp;
    const QString start = tmp.filePath("start.kom");
    QVERIFY(put(start, exampleRoom));
    // The dialogs start in the program's working folder.
    const QString oldCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tmp.path()));
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    const bool started = x.startApp({start});
    QDir::setCurrent(oldCwd);
    QVERIFY(started);
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window, "no main window");
    QCOMPARE(planColours(x, window, allBlue), allBlue);

    // Save under the offered name.
    QVERIFY(x.click(onScreen(x, window, saveToolButton)));
    quint64 dialog = x.waitForWindow("^Сохранение комнаты\\.$");
    QVERIFY2(dialog, "no save dialog");
    QVERIFY(clickIn(x, dialog, saveButton));
    QVERIFY2(x.waitForNoWindow("^Сохранение комнаты\\.$"), "the save dialog stayed open");
    const QString saved = tmp.filePath("безымянная комната.kom");
    QTRY_COMPARE(contentOf(saved),
        k("komfile: 553|361{1}\xC4\xE8\xE2\xE0\xED{2}40|200{3}20|100"
          "{1}\xD1\xF2\xEE\xEB{2}300|380{3}150|230{1}\r\n"));
    // The save leaves the last object current.
    QCOMPARE(planColours(x, window, tableGreen), tableGreen);

    // Export the plan as it shows.
    QVERIFY(x.click(onScreen(x, window, exportToolButton)));
    dialog = x.waitForWindow("^Экспорт комнаты в рисунок BMP\\.$");
    QVERIFY2(dialog, "no export dialog");
    QVERIFY(clickIn(x, dialog, saveButton));
    QVERIFY2(x.waitForNoWindow("^Экспорт"), "the export dialog stayed open");
    const QString bmp = tmp.filePath("безымянная комната.bmp");
    QTRY_VERIFY(QFile::exists(bmp));
    const QByteArray bytes = contentOf(bmp);
    QVERIFY(bytes.startsWith("BM") && bytes.size() > 30);
    QCOMPARE(int(uchar(bytes[28])), 24);
    const QImage picture(bmp, "BMP");
    QCOMPARE(picture.size(), QSize(553, 361));
    QCOMPARE(picture.pixelColor(sofa), blue);
    QCOMPARE(picture.pixelColor(table), green);
    QCOMPARE(picture.pixelColor(bareFloor), black);
    QCOMPARE(picture.pixelColor(40, 20), blue);
    QCOMPARE(picture.pixelColor(39, 20), black);

    // A damaged file, picked in the open dialog, leaves the room drawn.
    QVERIFY(QFile::remove(saved) && QFile::remove(start));
    QVERIFY(put(tmp.filePath("broken.kom"), k("komfile: 553|361{1}a{2}1|2{3}3|4\r\n")));
    QVERIFY(x.click(onScreen(x, window, openToolButton)));
    dialog = x.waitForWindow("^Открытие комнаты :\\)$");
    QVERIFY2(dialog, "no open dialog");
    QVERIFY(clickIn(x, dialog, firstFileOfOpen, 2));
    QVERIFY2(acknowledgeMessage(x), "no message about the damaged file");
    QVERIFY2(x.waitForNoWindow("^Открытие"), "the open dialog stayed open");
    QCOMPARE(planColours(x, window, tableGreen), tableGreen);
}

QTEST_MAIN(TestRoomFiles)
#include "test_e2e_roomfiles.moc"
