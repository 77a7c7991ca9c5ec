#include "app/mainwindow.h"
#include "dialogs/savedialog.h"
#include "support/fakewindow.h"
#include "support/modal.h"
#include "support/plandriver.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace plandex;

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private slots:
    void keysStepThroughTheHistory_data();
    void keysStepThroughTheHistory();
    void closeAsksOnlyAboutUnsavedChanges_data();
    void closeAsksOnlyAboutUnsavedChanges();
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

void TestUnsavedWork::closeAsksOnlyAboutUnsavedChanges_data()
{
    // Before closing; the answer to the question; the save dialog's button.
    QTest::addColumn<QString>("before");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::newRow("unchanged room") << "" << Answer::Cancel << "" << false << true;
    QTest::newRow("Нет closes") << "draw" << Answer::No << "" << true << true;
    QTest::newRow("Отмена keeps") << "draw" << Answer::Cancel << "" << true << false;
    QTest::newRow("Да saves, closes") << "draw" << Answer::Yes << "Сохранить" << true << true;
    QTest::newRow("Да, save cancelled") << "draw" << Answer::Yes << "Отмена" << true << false;
    QTest::newRow("after a save") << "draw save" << Answer::Cancel << "" << false << true;
    QTest::newRow("undone past the save")
        << "draw save undo" << Answer::Cancel << "" << true << false;
}

void TestUnsavedWork::closeAsksOnlyAboutUnsavedChanges()
{
    QFETCH(QString, before);
    QFETCH(Answer, answer);
    QFETCH(QString, button);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
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
    QFile::remove(file);
    prompts.threeWayAnswers = {answer};
    OnModal<SaveDialog> act(
        [&](SaveDialog *d) { (button == "Сохранить" ? d->sav() : d->nosav())->click(); });
    const bool wasClosed = window.close();
    QDir::setCurrent(cwd);
    QCOMPARE(wasClosed, closed);
    QCOMPARE(
        prompts.questions, asked ? QStringList {"Сохранить изменения в комнате?"} : QStringList {});
    QCOMPARE(act.fired(), !button.isEmpty());
    QCOMPARE(QFile::exists(file), button == "Сохранить");
}

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
