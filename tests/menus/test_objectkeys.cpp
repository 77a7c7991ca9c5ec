#include "app/mainwindow.h"
#include "plan/colors.h"
#include "support/drawnroom.h"
#include "support/modal.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>

using namespace plandex;

class TestObjectKeys : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void piecesGoWhereTheMenuOpened();
    void screenReadersHearEveryControl_data();
    void screenReadersHearEveryControl();
};

namespace {

// The rows, the selection, the size labels, whether the selected object
// is green on the plan, and whether a question was asked.
QString stateOf(DrawnRoom &r)
{
    const Editor &e = r.window.editor();
    const ObjectTable &t = e.table();
    QStringList rows;
    for (int i = 0; i < t.count(); ++i)
        rows << t.name(i) + ':' + t.xText(i) + ',' + t.yText(i);
    const int at = t.selection();
    const bool green = at >= 0
        && e.K().point(*t.row(at).xValues.first, *t.row(at).yValues.first) == colors::green;
    return rows.join("; ") + QString(" @%1 ").arg(at) + r.window.findChild<QLabel *>("W")->text()
        + 'x' + r.window.findChild<QLabel *>("H")->text() + (green ? " green" : "")
        + (r.prompts.questions.isEmpty() ? "" : " asked");
}

QMenu *submenu(QWidget *menu, const QString &title)
{
    for (QAction *action : menu->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

} // namespace

void TestObjectKeys::keys_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");

    const QString table = "Стол: 10|70, 10|50; ",
                  untouched = table + "Шкаф: 100|160, 100|140 @1 60x40 green";
    QTest::newRow("nudge from the list")
        << "list"
        << "Ctrl+Right" << table + "Шкаф: 101| 161, 100| 140 @1 60x40 green";
    QTest::newRow("long nudge from the plan")
        << "plan"
        << "Ctrl+Shift+Down" << table + "Шкаф: 100| 160, 110| 150 @1 60x40 green";
    QTest::newRow("turn from a tool button")
        << "create"
        << "Ctrl+R" << table + "Шкаф: 110| 150, 90| 150 @1 40x60 green";
    QTest::newRow("copy") << "list"
                          << "Ctrl+D"
                          << table + "Шкаф: 100|160, 100|140; Шкаф: 100|160, 59|99 @2 60x40 green";
    QTest::newRow("delete asks") << "plan"
                                 << "Delete" << untouched + " asked";
    // Without Ctrl the arrows move the list's selection, as they always did,
    // and the click handler shows the object's size.
    QTest::newRow("up without Ctrl") << "list"
                                     << "Up" << table + "Шкаф: 100|160, 100|140 @0 60x40 green";
    QTest::newRow("up with Ctrl") << "list"
                                  << "Ctrl+Up" << table + "Шкаф: 100| 160, 99| 139 @1 60x40 green";
    // No command runs while the window is busy.
    for (const char *keys : {"Ctrl+Right", "Ctrl+Shift+Up", "Ctrl+R", "Ctrl+D", "Delete"}) {
        QTest::addRow("%s during a drag", keys) << "drag" << keys << untouched;
        QTest::addRow("%s with a dialog open", keys) << "dialog" << keys << untouched;
    }
}

void TestObjectKeys::keys()
{
    QFETCH(QString, where);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    DrawnRoom r;
    const QKeyCombination key = QKeySequence(keys)[0];
    const auto press = [&](QWidget *target) {
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        // What the key would run, also where the window does not get it.
        for (QAction *action : r.window.actions())
            if (where == "drag" || where == "dialog")
                if (action->shortcuts().contains(QKeySequence(keys)))
                    action->trigger();
    };
    if (where == "drag") {
        // A rubber band on free floor, the button still held.
        r.plan.press({300, 300});
        r.plan.move({340, 330});
        press(r.plan.view());
        r.plan.release({300, 300});
        r.window.editor().table().select(1);
    } else if (where == "dialog") {
        QDialog dialog(&r.window);
        OnModal<QDialog> act([&](QDialog *open) {
            press(&r.window);
            open->reject();
        });
        dialog.exec();
        QVERIFY(act.fired());
    } else {
        QWidget *target = where == "plan"
            ? r.plan.view()
            : r.window.findChild<QWidget *>(where == "list" ? "L" : "create");
        target->setFocus();
        press(target);
    }
    QCOMPARE(stateOf(r), after);
}

void TestObjectKeys::piecesGoWhereTheMenuOpened()
{
    DrawnRoom r;
    r.plan.press({300, 250}, Qt::RightButton);
    QMenu *pieces = submenu(QApplication::activePopupWidget(), "Добавить");
    QVERIFY(pieces && submenu(QApplication::activePopupWidget(), "Сдвинуть"));
    // The pieces, a line, the door, the window and the opening.
    QCOMPARE(pieces->actions().size(), 24);
    QApplication::activePopupWidget()->close();
    for (QAction *action : pieces->actions())
        if (action->text() == "Стул (45 × 45)")
            action->trigger();
    // Centred on the point, halves to the even neighbour: 277.5 and 227.5.
    QCOMPARE(stateOf(r),
        "Стол: 10|70, 10|50; Шкаф: 100|160, 100|140; Стул: 278|323, 228|273 @2 45x45 green");

    // The list's menu has the nudges but no pieces: they need a plan point.
    QTest::mouseClick(r.list->viewport(), Qt::RightButton, {},
        r.list->visualRect(r.list->model()->index(0, 0)).center());
    QVERIFY(submenu(QApplication::activePopupWidget(), "Сдвинуть"));
    QVERIFY(!submenu(QApplication::activePopupWidget(), "Добавить"));
}

void TestObjectKeys::screenReadersHearEveryControl_data()
{
    QTest::addColumn<QString>("name");
    const char *const spoken[][2] = {{"create", "Создание объекта"},
        {"selct", "Выбор и перемещение"}, {"Rsiz", "Изменение размера"},
        {"DelObj", "Удалить объект"}, {"btnNew", "Новая комната"}, {"btnOpen", "Открыть комнату"},
        {"btnSave", "Сохранить комнату"}, {"btnExp", "Экспорт в BMP"}, {"L", "Список объектов"},
        {"K", "План комнаты"}};
    for (const auto &[widget, name] : spoken)
        QTest::newRow(widget) << QString(name);
}

void TestObjectKeys::screenReadersHearEveryControl()
{
    QFETCH(QString, name);
    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    window.show();
    auto *control = window.findChild<QWidget *>(QTest::currentDataTag());
    QVERIFY(control);
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(control);
    QVERIFY(spoken);
    QCOMPARE(spoken->text(QAccessible::Name), name);
    QVERIFY(spoken->text(QAccessible::Description).size() > 20);
}

QTEST_MAIN(TestObjectKeys)
#include "test_objectkeys.moc"
