#include "app/mainwindow.h"
#include "app/objectlistview.h"
#include "menus/commandmenu.h"
#include "support/drawnroom.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

using namespace plandex;

class TestCommandMenu : public QObject
{
    Q_OBJECT

private slots:
    void menusOpen_data();
    void menusOpen();
    void commandsRunFromTheMenuAndTheKeys();
};

namespace {

struct Room : DrawnRoom {
    QString openMenu() const
    {
        QWidget *popup = QApplication::activePopupWidget();
        return popup && popup->isVisible() ? popup->objectName() : QString();
    }
};

} // namespace

void TestCommandMenu::menusOpen_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("selection");

    // The press is the editor's first: in move mode it picks the object.
    QTest::newRow("right click, move mode, on an object") << "move: right 20,20"
                                                          << "planMenu" << 0;
    QTest::newRow("right click, move mode, on the floor") << "move: right 300,300"
                                                          << "planMenu" << -1;
    QTest::newRow("right click, create mode") << "create: right 300,300"
                                              << "planMenu" << 1;
    // During a drag the right button abandons it, as it always did.
    QTest::newRow("right press during a drag") << "move: drag, right 40,40"
                                               << "" << 0;
    QTest::newRow("Menu key on the plan") << "plan: Menu"
                                          << "planMenu" << 1;
    QTest::newRow("Shift+F10 on the plan") << "plan: Shift+F10"
                                           << "planMenu" << 1;
    QTest::newRow("Menu key on the list") << "list: Menu"
                                          << "listMenu" << 1;
    QTest::newRow("right click on the list") << "list: right row 0"
                                             << "listMenu" << 0;
}

void TestCommandMenu::menusOpen()
{
    QFETCH(QString, how);
    QFETCH(QString, menu);
    QFETCH(int, selection);
    Room r;
    const QString where = how.section(": ", 0, 0), what = how.section(": ", 1);
    if (where == "move") {
        QTest::mouseClick(r.window.findChild<QWidget *>("selct"), Qt::LeftButton);
    } else if (where == "create") {
        r.window.editor().table().select(1);
    }
    const QStringList rowsBefore {
        r.window.editor().table().name(0), r.window.editor().table().name(1)};
    for (const QString &step : what.split(", ")) {
        if (step == "drag") {
            r.plan.press({110, 110});
            r.plan.move({130, 131});
        } else if (step.startsWith("right row")) {
            const QRect item = r.list->visualRect(r.list->model()->index(0, 0));
            QTest::mouseClick(r.list->viewport(), Qt::RightButton, {}, item.center());
        } else if (step.startsWith("right")) {
            const QStringList xy = step.section(' ', 1).split(',');
            r.plan.press({xy[0].toInt(), xy[1].toInt()}, Qt::RightButton);
        } else {
            QWidget *target = where == "list" ? static_cast<QWidget *>(r.list) : r.plan.view();
            target->setFocus();
            const QKeyCombination key = QKeySequence(step == "Menu" ? "Menu" : step)[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
        }
    }
    QTRY_COMPARE(r.openMenu(), menu);
    QCOMPARE(r.window.editor().table().selection(), selection);
    if (!menu.isEmpty()) {
        // The click is over: the list the press hid is back.
        QVERIFY(r.list->isVisible());
        QVERIFY(!r.window.busy());
    }
    QCOMPARE(QStringList({r.window.editor().table().name(0), r.window.editor().table().name(1)}),
        rowsBefore);
}

void TestCommandMenu::commandsRunFromTheMenuAndTheKeys()
{
    Room r;
    r.plan.press({300, 300}, Qt::RightButton);
    r.plan.release({300, 300}, Qt::RightButton);
    QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction *undo = nullptr;
    for (QAction *action : menu->actions())
        if (action->text() == "Отменить")
            undo = action;
    QVERIFY(undo && undo->isEnabled());
    menu->setActiveAction(undo);
    QTest::keyClick(menu, Qt::Key_Return);
    QCOMPARE(r.window.editor().table().count(), 1);
    // The shortcut still works after the menu has gone.
    QTest::keyClick(&r.window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(r.window.editor().table().count(), 0);
    QVERIFY(!undo->isEnabled());
    QTest::keyClick(&r.window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(r.window.editor().table().count(), 1);
}

QTEST_MAIN(TestCommandMenu)
#include "test_commandmenu.moc"
