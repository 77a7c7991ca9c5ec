#include "plandexui.h"
#include "support/filebytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace plandexui;

class TestEveryday : public QObject
{
    Q_OBJECT

private slots:
    void renameAndSaveInPlace();
};

namespace {

// Gives the window the keyboard, as no window manager does.
bool focus(XSession &x, quint64 window)
{
    return x.xdotool({"windowfocus", "--sync", QString::number(window)}) && x.waitForFocus(window);
}

} // namespace

void TestEveryday::renameAndSaveInPlace()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("спальня.kom");
    QVERIFY(put(file, exampleRoom));
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp({file}));
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window, "no main window");
    const QImage shot = x.waitForScreenshot(
        window, [](const QImage &s) { return s.pixelColor(atRoom(340, 190)) == blue; });
    QCOMPARE(shot.pixelColor(atRoom(340, 190)), blue);

    // The loaded room's last object, Стол, is current; its name is
    // selected in the box, so typing replaces it.
    QVERIFY(focus(x, window));
    QVERIFY(x.key("F2"));
    const quint64 prompt = x.waitForWindow(promptTitle);
    QVERIFY2(prompt, "no name box after F2");
    QVERIFY(answer(x, prompt, promptTitle, QStringLiteral("Комод")));
    QVERIFY(focus(x, window));
    QVERIFY(x.key("ctrl+s"));
    QTRY_COMPARE(contentOf(file),
        k("komfile: 553|361{1}\xC4\xE8\xE2\xE0\xED{2}40|200{3}20|100"
          "{1}\xCA\xEE\xEC\xEE\xE4{2}300|380{3}150|230{1}\r\n"));
    QVERIFY2(!x.waitForWindow("^Сохранение", 300), "Ctrl+S showed the save dialog");
}

QTEST_MAIN(TestEveryday)
#include "test_e2e_everyday.moc"
