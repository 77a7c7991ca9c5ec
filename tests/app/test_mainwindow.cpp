#include "app/mainwindow.h"
#include "commands/roomcommands.h"
#include "support/fakewindow.h"
#include "view/planview.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QTest>
#include <QToolButton>

using namespace plandex;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionSizeAndFrame();
    void toolButtons_data();
    void toolButtons();
    void onlyCreateIsPressedAtStart();
    void otherControls();
    void tabOrder();
    void planIsABlackRoomOfTheDesignSize();
    void aLargerWindowGoesToThePlanAndTheList();

private:
    template<typename T> static T *child(QWidget &w, const char *name)
    {
        T *found = w.findChild<T *>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
};

void TestMainWindow::captionSizeAndFrame()
{
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QString("My Plandex"));
    QCOMPARE(w.size(), QSize(703, 398));
    // It may grow, but not below the window of the smallest room.
    QCOMPARE(w.minimumSize(), QSize(385, 365));
    QCOMPARE(w.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowMaximizeButtonHint);
    const QList<QSize> iconSizes {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    QCOMPARE(w.windowIcon().availableSizes(), iconSizes);
    // Every icon has been drawn once shown, and the program has started:
    // none of it loaded Qt's SVG support, whose loading would cost every
    // start (only writing an SVG loads it).
    w.grab();
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        QSKIP("no /proc/self/maps");
    QVERIFY(!maps.readAll().contains("libQt6Svg"));
}

void TestMainWindow::toolButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("create") << "create" << 8 << "Создание нового объекта";
    QTest::newRow("selct") << "selct" << 48 << "Выбор и перемещение объекта.";
    QTest::newRow("Rsiz") << "Rsiz" << 88 << "Изменение размера объектов.";
    QTest::newRow("DelObj") << "DelObj" << 128 << "Удалить объект.";
    QTest::newRow("btnNew") << "btnNew" << 184 << "Создать новую комнату.";
    QTest::newRow("btnOpen") << "btnOpen" << 224 << "Открыть уже созданную ранее комнату";
    QTest::newRow("btnSave") << "btnSave" << 264 << "Сохранить созданную сейчас комнату.";
    QTest::newRow("btnExp") << "btnExp" << 312 << "Экспортировать в BMP рисунок.";
}

void TestMainWindow::toolButtons()
{
    QFETCH(QString, name);
    QFETCH(int, top);
    QFETCH(QString, tooltip);

    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    auto *button = child<QToolButton>(w, qPrintable(name));
    QCOMPARE(button->geometry(), QRect(8, top, 33, 33));
    QCOMPARE(button->toolTip(), tooltip);
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->iconSize(), QSize(26, 24));
    // The icon picture is built in and paints.
    const QImage icon = button->icon().pixmap(QSize(26, 24)).toImage();
    QVERIFY(!icon.isNull());
    bool painted = false;
    for (int y = 0; y < icon.height() && !painted; ++y)
        for (int x = 0; x < icon.width() && !painted; ++x)
            painted = qAlpha(icon.pixel(x, y)) > 0;
    QVERIFY(painted);
    // Sharp on dense screens too.
    QCOMPARE(button->icon().pixmap(QSize(26, 24), 2.0).size(), QSize(52, 48));
}

void TestMainWindow::onlyCreateIsPressedAtStart()
{
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    auto *create = child<QToolButton>(w, "create");
    auto *selct = child<QToolButton>(w, "selct");
    auto *rsiz = child<QToolButton>(w, "Rsiz");
    QVERIFY(create->isChecked());
    QVERIFY(!selct->isChecked());
    QVERIFY(!rsiz->isChecked());
    QTest::mouseClick(rsiz, Qt::LeftButton);
    QVERIFY(rsiz->isChecked());
    QVERIFY(!create->isChecked());
    QTest::mouseClick(rsiz, Qt::LeftButton); // pressing it again keeps it on
    QVERIFY(rsiz->isChecked());
}

void TestMainWindow::otherControls()
{
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();

    auto *list = child<QListView>(w, "L");
    QCOMPARE(list->geometry(), QRect(48, 0, 81, 394));
    QVERIFY(list->isVisible());
    QCOMPARE(list->model()->rowCount(), 0);

    auto *width = child<QLabel>(w, "W");
    auto *height = child<QLabel>(w, "H");
    QCOMPARE(width->geometry(), QRect(136, 0, 65, 17));
    QCOMPARE(height->geometry(), QRect(200, 0, 65, 17));
    QCOMPARE(width->text(), QString("553"));
    QCOMPARE(height->text(), QString("361"));

    auto *link = child<QLabel>(w, "Label1");
    QCOMPARE(link->geometry(), QRect(272, 0, 105, 17));
    QVERIFY(!link->text().isEmpty());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    // The address fits its label.
    QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());

    auto *line = child<QFrame>(w, "Line1");
    QCOMPARE(line->geometry().top(), 176);
    QCOMPARE(line->geometry().width(), 48);
}

void TestMainWindow::tabOrder()
{
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, "L"));

    const QStringList expected
        = {"L", "K", "create", "selct", "Rsiz", "DelObj", "btnSave", "btnExp", "btnOpen", "btnNew"};
    QStringList chain;
    QWidget *first = child<QWidget>(w, "L");
    QWidget *at = first;
    do {
        if (expected.contains(at->objectName()))
            chain << at->objectName();
        at = at->nextInFocusChain();
    } while (at != first);
    // Labels are in the chain but take no focus.
    for (const char *label : {"W", "H", "Label1"})
        QCOMPARE(child<QWidget>(w, label)->focusPolicy(), Qt::NoFocus);
    // Like option buttons, only the pressed mode button is a tab stop.
    QVERIFY(child<QWidget>(w, "create")->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(child<QWidget>(w, "selct")->focusPolicy() & Qt::TabFocus));
    QCOMPARE(chain.join(","), expected.join(","));
}

void TestMainWindow::planIsABlackRoomOfTheDesignSize()
{
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    auto *plan = child<PlanView>(w, "K");
    QCOMPARE(plan->planOrigin(), QPoint(136, 24));
    QCOMPARE(plan->contentsRect().size(), QSize(553, 361));
    QCOMPARE(w.editor().K().size(), QSize(553, 361));

    // What the window really shows: black exactly over the room.
    const QImage shown = w.grab().toImage();
    QCOMPARE(shown.pixelColor(136, 24), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(136 + 552, 24 + 360), QColor(Qt::black));
    QVERIFY(shown.pixelColor(135, 24) != QColor(Qt::black)
        || shown.pixelColor(134, 24) != QColor(Qt::black));
    QVERIFY(shown.pixelColor(136 + 553 + 1, 24 + 100) != QColor(Qt::black));
}

void TestMainWindow::aLargerWindowGoesToThePlanAndTheList()
{
    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *list = child<QListView>(w, "L");
    auto *plan = child<PlanView>(w, "K");
    w.resize(1000, 700);
    QCOMPARE(list->geometry(), QRect(48, 0, 81, 696));
    // The room shown whole keeps its frame around it; zoomed, it takes all
    // the window has and scrolls.
    QCOMPARE(plan->contentsRect().size(), QSize(553, 361));
    plan->setZoom(200);
    QCOMPARE(plan->geometry(), QRect(134, 22, 854, 667));

    // The handle between the list and the plan widens the list; the plan
    // and the labels move along.
    auto *splitter = child<QWidget>(w, "splitter");
    QCOMPARE(splitter->geometry(), QRect(129, 0, 5, 696));
    QTest::mousePress(splitter, Qt::LeftButton, {}, {2, 100});
    QTest::mouseMove(splitter, {42, 100});
    QTest::mouseRelease(splitter, Qt::LeftButton, {}, {42, 100});
    QCOMPARE(list->width(), 121);
    QCOMPARE(child<QLabel>(w, "W")->x(), 176);
    QCOMPARE(plan->geometry(), QRect(174, 22, 814, 667));
    // Fitted to a room, the window keeps the wider list.
    QVERIFY(resizeRoomTo(w.editor(), 300, 400));
    QCOMPARE(w.size(), QSize(490, 437));
    QCOMPARE(plan->zoom(), 100);
    QCOMPARE(plan->geometry(), QRect(174, 22, 304, 404));

    // Maximised, it stays so, and a room made or changed shows whole at
    // the largest step: 1730 x 1163 pixels hold 400% of 300 x 200 cm.
    w.showMaximized();
    QTRY_VERIFY(w.isMaximized() && w.width() > 1000);
    QVERIFY(resizeRoomTo(w.editor(), 300, 200));
    QVERIFY(w.isMaximized());
    QCOMPARE(plan->zoom(), 400);
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
