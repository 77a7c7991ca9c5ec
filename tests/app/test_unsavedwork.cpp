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

namespace {

const QString question = "Сохранить изменения в комнате?";

struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanDriver plan {window};
    Editor &e = window.editor();

    Session()
    {
        window.show();
        window.activateWindow();
    }
    void draw(QRect r, const QString &name)
    {
        prompts.inputAnswers.push_back(name);
        plan.drag(r.topLeft(), r.bottomRight(), 4);
    }
    void key(const QString &keys)
    {
        const QKeySequence seq(keys);
        QTest::keyClick(&window, Qt::Key(seq[0].key()), seq[0].keyboardModifiers());
    }
};

} // namespace

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void keysStepThroughTheHistory_data();
    void keysStepThroughTheHistory();
    void closeAsksOnlyAboutUnsavedChanges_data();
    void closeAsksOnlyAboutUnsavedChanges();

private:
    QTemporaryDir m_dir;
    QString m_cwd;
};

void TestUnsavedWork::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // The save dialog starts in the working folder.
    m_cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
}

void TestUnsavedWork::cleanupTestCase()
{
    QDir::setCurrent(m_cwd);
}

void TestUnsavedWork::keysStepThroughTheHistory_data()
{
    // Keys pressed after two objects were drawn, one by one; "drag" holds
    // the left button on the plan for the keys that follow it.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("rows");

    QTest::newRow("undo") << QStringList {"Ctrl+Z"} << 1;
    QTest::newRow("undo twice, more than there is")
        << QStringList {"Ctrl+Z", "Ctrl+Z", "Ctrl+Z"} << 0;
    QTest::newRow("redo with Ctrl+Shift+Z")
        << QStringList {"Ctrl+Z", "Ctrl+Z", "Ctrl+Shift+Z"} << 1;
    QTest::newRow("redo with Ctrl+Y") << QStringList {"Ctrl+Z", "Ctrl+Y"} << 2;
    QTest::newRow("nothing to redo") << QStringList {"Ctrl+Y"} << 2;
    QTest::newRow("during a drag") << QStringList {"drag", "Ctrl+Z", "Ctrl+Z"} << 2;
}

void TestUnsavedWork::keysStepThroughTheHistory()
{
    QFETCH(QStringList, keys);
    QFETCH(int, rows);
    Session s;
    QVERIFY(QTest::qWaitForWindowActive(&s.window));
    s.draw(QRect(10, 10, 60, 40), "Стол");
    s.draw(QRect(100, 100, 60, 40), "Шкаф");
    QCOMPARE(s.e.table().count(), 2);
    bool dragging = false;
    for (const QString &k : keys) {
        if (k == "drag") {
            s.plan.press({200, 200});
            s.plan.move({230, 230});
            dragging = true;
        } else {
            s.key(k);
        }
    }
    if (dragging)
        s.plan.release({230, 230});
    QCOMPARE(s.e.table().count(), rows);
}

void TestUnsavedWork::closeAsksOnlyAboutUnsavedChanges_data()
{
    // What happens before closing: "draw", "save"; the answer to the
    // question, if one is asked; then what the save dialog gets.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveDialog");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");

    const int yes = int(Answer::Yes), no = int(Answer::No), cancel = int(Answer::Cancel);
    QTest::newRow("unchanged room") << QStringList {} << yes << "" << false << true << false;
    QTest::newRow("Нет closes") << QStringList {"draw"} << no << "" << true << true << false;
    QTest::newRow("Отмена keeps") << QStringList {"draw"} << cancel << "" << true << false << false;
    QTest::newRow("Да saves, then closes")
        << QStringList {"draw"} << yes << "save" << true << true << true;
    QTest::newRow("Да, save cancelled, keeps")
        << QStringList {"draw"} << yes << "cancel" << true << false << false;
    QTest::newRow("no question after a save")
        << QStringList {"draw", "save"} << cancel << "" << false << true << true;
    QTest::newRow("undone back to the saved room")
        << QStringList {"draw", "save", "draw", "undo"} << cancel << "" << false << true << true;
    QTest::newRow("undone past the saved room")
        << QStringList {"draw", "save", "undo"} << cancel << "" << true << false << true;
}

void TestUnsavedWork::closeAsksOnlyAboutUnsavedChanges()
{
    QFETCH(QStringList, before);
    QFETCH(int, answer);
    QFETCH(QString, saveDialog);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(bool, saved);

    const QString file = m_dir.filePath("безымянная комната.kom");
    QFile::remove(file);
    Session s;
    int drawn = 0;
    for (const QString &step : before) {
        if (step == "draw")
            s.draw(QRect(10 + 100 * drawn++, 10, 60, 40), "Стол");
        else if (step == "undo")
            s.e.history().undo();
        else
            QVERIFY(s.e.saveKom(file));
    }
    s.prompts.threeWayAnswers.push_back(Answer(answer));
    OnModal<SaveDialog> act([&](SaveDialog *d) {
        if (saveDialog == "save")
            d->sav()->click();
        else
            d->nosav()->click();
    });

    QCOMPARE(s.window.close(), closed);
    QCOMPARE(s.prompts.questions, asked ? QStringList {question} : QStringList {});
    QCOMPARE(act.fired(), !saveDialog.isEmpty());
    QCOMPARE(QFile::exists(file), saved);
    if (saved && closed)
        QVERIFY(!s.e.history().isModified());
}

QTEST_MAIN(TestUnsavedWork)
#include "test_unsavedwork.moc"
