#include "app/commandmenu.h"
#include "app/mainwindow.h"
#include "plan/colors.h"
#include "support/drawnroom.h"
#include "support/modal.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>

using namespace plandex;

class TestObjectKeys : public QObject
{
    Q_OBJECT

private slots:
    void keysActOnTheCurrentObject_data();
    void keysActOnTheCurrentObject();
    void arrowsWithoutCtrlMoveTheSelection();
    void piecesGoWhereTheMenuOpened();
    void screenReadersHearEveryControl_data();
    void screenReadersHearEveryControl();
};

namespace {

struct Room : DrawnRoom {
    Editor &e = window.editor();

    // The rows and what was asked, as one text.
    QString state() const
    {
        QStringList rows;
        for (int i = 0; i < e.table().count(); ++i)
            rows << e.table().name(i) + ':' + e.table().xText(i) + ',' + e.table().yText(i);
        return rows.join("; ") + (prompts.questions.isEmpty() ? "" : " asked");
    }
    QAction *actionFor(const QKeySequence &keys) const
    {
        for (QAction *action : window.actions())
            if (action->shortcuts().contains(keys))
                return action;
        return nullptr;
    }
};

QMenu *submenu(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

} // namespace

void TestObjectKeys::keysActOnTheCurrentObject_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");

    const QString table = "Стол: 10|70, 10|50; ";
    QTest::newRow("nudge from the list") << "list"
                                         << "Ctrl+Right" << table + "Шкаф: 101| 161, 100| 140";
    QTest::newRow("long nudge from the plan")
        << "plan"
        << "Ctrl+Shift+Down" << table + "Шкаф: 100| 160, 110| 150";
    QTest::newRow("turn from a tool button") << "button"
                                             << "Ctrl+R" << table + "Шкаф: 110| 150, 90| 150";
    QTest::newRow("copy") << "list"
                          << "Ctrl+D" << table + "Шкаф: 100|160, 100|140; Шкаф: 100|160, 59|99";
    QTest::newRow("delete asks") << "plan"
                                 << "Delete" << table + "Шкаф: 100|160, 100|140 asked";
    // No command runs while the window is busy.
    const QString untouched = table + "Шкаф: 100|160, 100|140";
    for (const char *keys : {"Ctrl+Right", "Ctrl+Shift+Up", "Ctrl+R", "Ctrl+D", "Delete"}) {
        QTest::addRow("%s during a drag", keys) << "drag" << keys << untouched;
        QTest::addRow("%s with a dialog open", keys) << "dialog" << keys << untouched;
    }
}

void TestObjectKeys::keysActOnTheCurrentObject()
{
    QFETCH(QString, where);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    Room r;
    const QKeySequence sequence(keys);
    QAction *action = r.actionFor(sequence);
    QVERIFY(action);
    const auto press = [&](QWidget *target) {
        QTest::keyClick(target, sequence[0].key(), sequence[0].keyboardModifiers());
    };
    if (where == "drag") {
        // A rubber band on free floor, the button still held.
        r.plan.press({300, 300});
        r.plan.move({340, 330});
        press(r.plan.view());
        action->trigger();
        r.plan.release({300, 300});
    } else if (where == "dialog") {
        QDialog dialog(&r.window);
        OnModal<QDialog> act([&](QDialog *open) {
            press(&r.window);
            action->trigger();
            open->reject();
        });
        dialog.exec();
        QVERIFY(act.fired());
    } else {
        QWidget *target = where == "list" ? static_cast<QWidget *>(r.list)
            : where == "plan"             ? r.plan.view()
                                          : r.window.findChild<QWidget *>("create");
        target->setFocus();
        press(target);
    }
    QCOMPARE(r.state(), after);
}

void TestObjectKeys::arrowsWithoutCtrlMoveTheSelection()
{
    Room r;
    QLabel *W = r.window.findChild<QLabel *>("W");
    QLabel *H = r.window.findChild<QLabel *>("H");
    r.list->setFocus();
    QTest::keyClick(r.list, Qt::Key_Up);
    QCOMPARE(r.e.table().selection(), 0);
    // The click handler ran: the labels show the object's size, the plan
    // shows it green and the other one blue.
    QCOMPARE(W->text() + 'x' + H->text(), QString("60x40"));
    QCOMPARE(r.e.K().point(40, 30), colors::green);
    QCOMPARE(r.e.K().point(130, 120), colors::blue);
    QTest::keyClick(r.list, Qt::Key_Down);
    QCOMPARE(r.e.table().selection(), 1);
    QCOMPARE(r.e.K().point(130, 120), colors::green);
    // With Ctrl the arrow moves the object, not the selection.
    QTest::keyClick(r.list, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(r.e.table().selection(), 1);
    QCOMPARE(r.e.table().yText(1), QString(" 99| 139"));
    QCOMPARE(r.state(), QString("Стол: 10|70, 10|50; Шкаф: 100| 160, 99| 139"));
}

void TestObjectKeys::piecesGoWhereTheMenuOpened()
{
    Room r;
    r.plan.press({300, 250}, Qt::RightButton);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(submenu(menu, "Сдвинуть"));
    QMenu *pieces = submenu(menu, "Добавить");
    QVERIFY(pieces);
    QCOMPARE(pieces->actions().size(), 20);
    QAction *chair = nullptr;
    for (QAction *action : pieces->actions())
        if (action->text() == "Стул (45 × 45)")
            chair = action;
    QVERIFY(chair);
    menu->close();
    chair->trigger();
    // Centred on the point, a half to the even neighbour: 277.5 and 227.5.
    QCOMPARE(r.e.table().count(), 3);
    QCOMPARE(r.e.table().selection(), 2);
    QCOMPARE(r.e.table().xText(2) + ',' + r.e.table().yText(2), QString(" 278|323, 228|273"));
    QCOMPARE(r.e.history().stack().index(), 3);

    // The list's menu has the nudges but no pieces: they need a plan point.
    QTest::mouseClick(r.list->viewport(), Qt::RightButton, {},
        r.list->visualRect(r.list->model()->index(0, 0)).center());
    menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(submenu(menu, "Сдвинуть"));
    QVERIFY(!submenu(menu, "Добавить"));
}

void TestObjectKeys::screenReadersHearEveryControl_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("name");

    QTest::newRow("create") << "create"
                            << "Создание объекта";
    QTest::newRow("selct") << "selct"
                           << "Выбор и перемещение";
    QTest::newRow("Rsiz") << "Rsiz"
                          << "Изменение размера";
    QTest::newRow("DelObj") << "DelObj"
                            << "Удалить объект";
    QTest::newRow("btnNew") << "btnNew"
                            << "Новая комната";
    QTest::newRow("btnOpen") << "btnOpen"
                             << "Открыть комнату";
    QTest::newRow("btnSave") << "btnSave"
                             << "Сохранить комнату";
    QTest::newRow("btnExp") << "btnExp"
                            << "Экспорт в BMP";
    QTest::newRow("L") << "L"
                       << "Список объектов";
    QTest::newRow("K") << "K"
                       << "План комнаты";
}

void TestObjectKeys::screenReadersHearEveryControl()
{
    QFETCH(QString, widget);
    QFETCH(QString, name);
    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    window.show();
    auto *control = window.findChild<QWidget *>(widget);
    QVERIFY(control);
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
    QVERIFY(spoken);
    QCOMPARE(spoken->text(QAccessible::Name), name);
    QVERIFY(spoken->text(QAccessible::Description).size() > 20);
}

QTEST_MAIN(TestObjectKeys)
#include "test_objectkeys.moc"
