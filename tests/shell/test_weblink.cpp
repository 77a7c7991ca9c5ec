#include "app/mainwindow.h"
#include "support/fakewindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QUrl>

using namespace plandex;

// Stands in for the desktop's web browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestWebLink : public QObject
{
    Q_OBJECT

private slots:
    void opensThePageOncePerClick_data();
    void opensThePageOncePerClick();
};

void TestWebLink::opensThePageOncePerClick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("opened");

    QTest::newRow("one click") << Qt::LeftButton << 1 << 1;
    QTest::newRow("three clicks") << Qt::LeftButton << 3 << 3;
    QTest::newRow("right button") << Qt::RightButton << 2 << 0;
}

void TestWebLink::opensThePageOncePerClick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    QFETCH(int, opened);

    UrlCatcher browser;
    QDesktopServices::setUrlHandler("http", &browser, "open");
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    // A room with two objects, the second selected, in move mode.
    ObjectTable &table = w.editor().table();
    QVERIFY(table.append("стол", "10|60", "10|40"));
    QVERIFY(table.append("шкаф", "100|160", "10|40"));
    w.findChild<QToolButton *>("selct")->click();
    table.select(1);
    const EditMode mode = w.editor().state().mode;
    QCOMPARE(mode, EditMode::Move);
    const QImage plan = w.editor().K().image();
    const QString tmpStr = w.editor().state().tmpStr;

    auto *link = w.findChild<QLabel *>("Label1");
    QVERIFY(link);
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(link, button, Qt::NoModifier, link->rect().center());

    QCOMPARE(browser.opened, QList<QUrl>(opened, QUrl("http://plandex.example")));
    QCOMPARE(table.count(), 2);
    QCOMPARE(table.name(1), QString("шкаф"));
    QCOMPARE(table.selection(), 1);
    QCOMPARE(w.editor().state().mode, mode);
    QCOMPARE(w.editor().state().tmpStr, tmpStr);
    QCOMPARE(w.editor().K().image(), plan);
    QDesktopServices::unsetUrlHandler("http");
}

QTEST_MAIN(TestWebLink)
#include "test_weblink.moc"
