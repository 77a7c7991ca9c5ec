#include "app/mainwindow.h"
#include "dialogs/opendialog.h"
#include "dialogs/savedialog.h"
#include "dialogs/sizedialog.h"
#include "support/fakewindow.h"
#include "support/modal.h"
#include "support/plandriver.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace plandex;

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private slots:
    void keysStepThroughTheHistory_data();
    void keysStepThroughTheHistory();
    void replacingTheRoomAsksAboutUnsavedChanges_data();
    void replacingTheRoomAsksAboutUnsavedChanges();
    void aRecoveredRoomOffersItsOwnFile_data();
    void aRecoveredRoomOffersItsOwnFile();
};

void TestUnsavedWork::keysStepThroughTheHistory_data()
{
    // Pressed after two objects were drawn; "drag" holds the left button
    // on the plan for the keys after it.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("rows");
    QTest::newRow("undo more than there is") << QStringList {"Ctrl+Z", "Ctrl+Z", "Ctrl+Z"} << 0;
    QTest::newRow("Ctrl+Shift+Z") << QStringList {"Ctrl+Z", "Ctrl+Z", "Ctrl+Shift+Z"} << 1;
    QTest::newRow("Ctrl+Y") << QStringList {"Ctrl+Z", "Ctrl+Y"} << 2;
    QTest::newRow("during a drag") << QStringList {"drag", "Ctrl+Z", "Ctrl+Z"} << 2;
}

void TestUnsavedWork::keysStepThroughTheHistory()
{
    QFETCH(QStringList, keys);
    QFETCH(int, rows);
    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    PlanDriver plan(window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    prompts.inputAnswers = {"Стол", "Шкаф"};
    plan.drag({10, 10}, {70, 50});
    plan.drag({100, 100}, {160, 140});
    for (const QString &k : keys) {
        if (k == "drag") {
            plan.press({200, 200});
            plan.move({230, 230});
        } else {
            const QKeyCombination key = QKeySequence(k)[0];
            QTest::keyClick(&window, key.key(), key.keyboardModifiers());
        }
    }
    plan.release({230, 230});
    QCOMPARE(window.editor().table().count(), rows);
}

void TestUnsavedWork::replacingTheRoomAsksAboutUnsavedChanges_data()
{
    // What replaces the room: closing, btnNew or btnOpen. Before it; the
    // answer to the question; the save dialog's button; whether the command
    // went on (the window closed, the size or the open dialog came).
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("before");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("wentOn");
    for (const QString command : {"close", "btnNew", "btnOpen"}) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(command + ": " + name)) << command;
        };
        row("unchanged room") << "" << Answer::Cancel << "" << false << true;
        row("Нет goes on") << "draw" << Answer::No << "" << true << true;
        row("Отмена keeps") << "draw" << Answer::Cancel << "" << true << false;
        row("Да saves, goes on") << "draw" << Answer::Yes << "Сохранить" << true << true;
        row("Да, save cancelled") << "draw" << Answer::Yes << "Отмена" << true << false;
    }
    QTest::newRow("close: after a save") << "close"
                                         << "draw save" << Answer::Cancel << "" << false << true;
    QTest::newRow("close: undone past the save")
        << "close"
        << "draw save undo" << Answer::Cancel << "" << true << false;
}

void TestUnsavedWork::replacingTheRoomAsksAboutUnsavedChanges()
{
    QFETCH(QString, command);
    QFETCH(QString, before);
    QFETCH(Answer, answer);
    QFETCH(QString, button);
    QFETCH(bool, asked);
    QFETCH(bool, wentOn);
    // The save dialog starts in the working folder.
    QTemporaryDir dir;
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString file = dir.filePath("безымянная комната.kom");

    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    window.show();
    Editor &e = window.editor();
    for (const QString &step : before.split(' ', Qt::SkipEmptyParts)) {
        if (step == "draw") {
            prompts.inputAnswers = {"Стол"};
            PlanDriver(window).drag({10, 10}, {70, 50});
        } else if (step == "save") {
            QVERIFY(e.saveKom(file));
        } else {
            e.history().undo();
        }
    }
    const int rows = e.table().count();
    QFile::remove(file);
    prompts.threeWayAnswers = {answer};
    OnModal<SaveDialog> save(
        [&](SaveDialog *d) { (button == "Сохранить" ? d->sav() : d->nosav())->click(); });
    // The next step is turned down, so that the room stays.
    OnModal<SizeDialog> size([](SizeDialog *d) { d->reject(); });
    OnModal<OpenDialog> open([](OpenDialog *d) { d->reject(); });
    bool went = false;
    if (command == "close")
        went = window.close();
    else
        window.findChild<QToolButton *>(command)->click();
    QDir::setCurrent(cwd);
    QCOMPARE(went || size.fired() || open.fired(), wentOn);
    QCOMPARE(
        prompts.questions, asked ? QStringList {"Сохранить изменения в комнате?"} : QStringList {});
    QCOMPARE(save.fired(), !button.isEmpty());
    QCOMPARE(QFile::exists(file), button == "Сохранить");
    QCOMPARE(e.table().count(), rows);
}

void TestUnsavedWork::aRecoveredRoomOffersItsOwnFile_data()
{
    // The room's file, and what the save dialog shows as its target.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("target");
    QTest::newRow("its file") << "{dir}/rooms/Кухня.kom"
                              << "{dir}/rooms/Кухня.kom";
    QTest::newRow("without the extension") << "{dir}/rooms/plan"
                                           << "{dir}/rooms/plan.kom";
    QTest::newRow("no file") << ""
                             << "{cwd}/безымянная комната.kom";
    QTest::newRow("its folder is gone") << "{dir}/gone/a.kom"
                                        << "{cwd}/безымянная комната.kom";
    QTest::newRow("opened afterwards") << "open"
                                       << "{cwd}/безымянная комната.kom";
}

void TestUnsavedWork::aRecoveredRoomOffersItsOwnFile()
{
    QFETCH(QString, file);
    QFETCH(QString, target);
    QTemporaryDir dir, cwd;
    QVERIFY(QDir(dir.path()).mkdir("rooms"));
    const QString oldCwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd.path()));
    target.replace("{dir}", dir.path()).replace("{cwd}", cwd.path());

    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    Editor &e = window.editor();
    e.recoverRoom(
        {600, 400, {{"Стол", "10|60", "20|80"}}}, QString(file).replace("{dir}", dir.path()));
    QVERIFY(e.history().isModified());
    if (file == "open") {
        QVERIFY(e.saveKom(dir.filePath("rooms/other.kom")));
        e.openKom(dir.filePath("rooms/other.kom"));
    }
    QString shown;
    OnModal<SaveDialog> look([&](SaveDialog *d) {
        shown = d->direkt()->text();
        d->nosav()->click();
    });
    window.findChild<QToolButton *>("btnSave")->click();
    QDir::setCurrent(oldCwd);
    QCOMPARE(QDir::cleanPath(shown), target);
}

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
