#include "commands/openingcommands.h"
#include "commands/roomcommands.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/planchecks.h"

#include <QTest>

using namespace plandex;

class TestRoomCommands : public QObject
{
    Q_OBJECT

private slots:
    void resize_data();
    void resize();
    void doorsAndWindowsStayInTheirWalls();
};

void TestRoomCommands::resize_data()
{
    QTest::addColumn<QSize>("wanted");
    // The size the room has after the command, and the message told.
    QTest::addColumn<QSize>("after");
    QTest::addColumn<QString>("message");

    const QSize start(553, 361);
    const QString limits = "Комната не должна быть больше 4096 x 4096 cm, и меньше 50 x 50 cm!";
    QTest::newRow("grow") << QSize(800, 550) << QSize(800, 550) << "";
    QTest::newRow("the largest") << QSize(4096, 4096) << QSize(4096, 4096) << "";
    // Flush with the walls, as the collision test lets an object lie.
    QTest::newRow("shrink to the objects") << QSize(300, 200) << QSize(300, 200) << "";
    QTest::newRow("shrink past the first object out")
        << QSize(180, 200) << start << "Объект \"Шкаф\" не помещается в комнату такого размера!";
    QTest::newRow("too wide") << QSize(4097, 300) << start << limits;
    QTest::newRow("too low") << QSize(300, 49) << start << limits;
}

void TestRoomCommands::resize()
{
    QFETCH(QSize, wanted);
    QFETCH(QSize, after);
    QFETCH(QString, message);
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    addObject(e, "Стол", QRect(QPoint(10, 10), QPoint(120, 200)));
    addObject(e, "Шкаф", QRect(QPoint(200, 20), QPoint(300, 160)));
    addObject(e, "Ковёр", QRect(QPoint(130, 10), QPoint(190, 190)));
    e.history().markUnmodified();
    const std::vector<ObjectTable::Row> rows = e.table().rows();

    QCOMPARE(resizeRoomTo(e, wanted.width(), wanted.height()), message.isEmpty());
    QCOMPARE(prompts.messages, message.isEmpty() ? QStringList() : QStringList {message});
    QCOMPARE(e.K().size(), after);
    // Every object kept, the plan drawn afresh at the new size.
    QCOMPARE(e.table().rows().size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        QCOMPARE(e.table().row(int(i)).x, rows[i].x);
    QCOMPARE(pixelFault(e.K().image(), tablePlan(e), {}), QString());
    const bool changed = after != QSize(553, 361);
    QCOMPARE(e.history().isModified(), changed);
    QCOMPARE(e.history().stack().count(), changed ? 1 : 0);
    if (!changed)
        return;
    QCOMPARE(window.clientSize, QSize(after.width() + 150, std::max(after.height() + 37, 365)));
    QCOMPARE(QSize(window.labelW.toInt(), window.labelH.toInt()), after);

    // One step back to the room as it was, and forward again.
    e.history().undo();
    QCOMPARE(e.K().size(), QSize(553, 361));
    QCOMPARE(window.clientSize, QSize(703, 398));
    QVERIFY(!e.history().isModified());
    QCOMPARE(pixelFault(e.K().image(), tablePlan(e), {}), QString());
    e.history().redo();
    QCOMPARE(e.K().size(), after);
    QCOMPARE(e.table().count(), 3);
}

void TestRoomCommands::doorsAndWindowsStayInTheirWalls()
{
    FakeWindow window;
    ScriptedPrompts prompts;
    Editor e(window, prompts);
    e.load();
    addOpening(e, OpeningKind::Door, {100, 355}); // on the bottom wall
    addOpening(e, OpeningKind::Window, {550, 120}); // on the right wall
    addObject(e, "Шкаф", QRect(QPoint(400, 100), QPoint(450, 150)));
    auto openings = [&e] {
        QList<std::optional<Opening>> found;
        for (int i = 0; i < 2; ++i)
            found << rowOpening(e, i);
        return found;
    };
    const auto before = openings();
    QVERIFY(before[0] && before[0]->wall == Wall::Bottom);
    QVERIFY(before[1] && before[1]->wall == Wall::Right);

    // Grown, both keep their place along their walls, which moved away.
    QVERIFY(resizeRoomTo(e, 800, 550));
    QCOMPARE(openings(), before);
    QCOMPARE(rowRect(e, 0).bottom(), 549);
    QCOMPARE(rowRect(e, 1).right(), 799);
    e.history().undo();
    QCOMPARE(openings(), before);
    QCOMPARE(rowRect(e, 0).bottom(), 360);

    // Moved with its wall onto the cupboard, the window does not fit.
    QVERIFY(!resizeRoomTo(e, 450, 361));
    QCOMPARE(prompts.messages,
        QStringList {"Объект \"Окно 120\" не помещается в комнату такого размера!"});
    QCOMPARE(e.K().size(), QSize(553, 361));
    QCOMPARE(openings(), before);
}

QTEST_MAIN(TestRoomCommands)
#include "test_roomcommands.moc"
