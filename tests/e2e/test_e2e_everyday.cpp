#include "plandexui.h"
#include "support/filebytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace plandexui;

class TestEveryday : public QObject
{
    Q_OBJECT

private slots:
    void renameAndSaveInPlace();
    void slidingPutsTheSofaOnTheWall();
};

namespace {

QByteArray k(const char *text)
{
    return QByteArray(text).replace("{1}", "\x01").replace("{2}", "\x02").replace("{3}", "\x03");
}

// Диван at 40..200 x 20..100 and Стол at 300..380 x 150..230, in
// Windows-1251.
const QByteArray bedroom = k("komfile: 553|361{1}\xC4\xE8\xE2\xE0\xED{2}40|200{3}20|100"
                             "{1}\xD1\xF2\xEE\xEB{2}300|380{3}150|230{1}\r\n");

// Gives the window the keyboard, as no window manager does.
bool focus(XSession &x, quint64 window)
{
    return x.xdotool({"windowfocus", "--sync", QString::number(window)}) && x.waitForFocus(window);
}

// Starts plandex with the room file and waits for its window, drawn and
// with the keyboard focus; empty when so, else what went wrong.
QString startWith(XSession &x, const QString &file, quint64 &window)
{
    if (!x.start())
        return "Xvfb did not start";
    if (!x.startApp({file}))
        return "plandex did not start";
    window = x.waitForWindow("^My Plandex$");
    if (!window)
        return "no main window";
    const QImage shot = x.waitForScreenshot(
        window, [](const QImage &s) { return s.pixelColor(atRoom(100, 50)) == blue; });
    if (shot.pixelColor(atRoom(100, 50)) != blue)
        return "the sofa is not drawn";
    return focus(x, window) ? QString() : "the main window has no keyboard focus";
}

} // namespace

void TestEveryday::renameAndSaveInPlace()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("спальня.kom");
    QVERIFY(put(file, bedroom));
    XSession x;
    quint64 window = 0;
    const QString started = startWith(x, file, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));

    // The loaded room leaves the table, its last object, current.
    QVERIFY(x.key("F2"));
    const quint64 prompt = x.waitForWindow(promptTitle);
    QVERIFY2(prompt, "no name box after F2");
    // The old name is selected: typing replaces it.
    QVERIFY(answer(x, prompt, promptTitle, QStringLiteral("Комод")));
    QVERIFY(focus(x, window));
    QVERIFY(x.key("ctrl+s"));
    QTRY_COMPARE(contentOf(file),
        k("komfile: 553|361{1}\xC4\xE8\xE2\xE0\xED{2}40|200{3}20|100"
          "{1}\xCA\xEE\xEC\xEE\xE4{2}300|380{3}150|230{1}\r\n"));
    QVERIFY2(!x.waitForWindow("^Сохранение", 300), "Ctrl+S showed the save dialog");
}

void TestEveryday::slidingPutsTheSofaOnTheWall()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("спальня.kom");
    QVERIFY(put(file, bedroom));
    XSession x;
    quint64 window = 0;
    const QString started = startWith(x, file, window);
    QVERIFY2(started.isEmpty(), qPrintable(started));

    QVERIFY(x.key("ctrl+g"));
    QVERIFY(x.click(onScreen(x, window, moveButton)));
    // Dragged far past the left wall, the sofa ends flush against it.
    QVERIFY(x.drag(onScreen(x, window, atRoom(100, 50)), onScreen(x, window, atRoom(-90, 55))));
    const QImage shot = x.waitForScreenshot(window, [](const QImage &s) {
        return s.pixelColor(atRoom(0, 60)) == blue && s.pixelColor(atRoom(161, 60)) == black;
    });
    QCOMPARE(shot.pixelColor(atRoom(0, 60)), blue);
    QCOMPARE(shot.pixelColor(atRoom(160, 60)), blue);
    QCOMPARE(shot.pixelColor(atRoom(161, 60)), black);
    QCOMPARE(shot.pixelColor(atRoom(0, 25)), blue); // 5 down, as the mouse went
    QCOMPARE(shot.pixelColor(atRoom(0, 24)), black);
    QTRY_VERIFY(contentOf(x.home() + "/.config/plandex/plandex.conf").contains("slide=true"));
}

QTEST_MAIN(TestEveryday)
#include "test_e2e_everyday.moc"
