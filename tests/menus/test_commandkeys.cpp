#include "app/mainwindow.h"
#include "dialogs/savedialog.h"
#include "menus/commandmenu.h"
#include "model/codepage.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/modal.h"
#include "support/planchecks.h"
#include "support/plandriver.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <sys/mount.h>

using namespace plandex;

class TestCommandKeys : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesBackToTheRoomsFile_data();
    void saveWritesBackToTheRoomsFile();
    void fileKeysClickTheButtons_data();
    void fileKeysClickTheButtons();
    void slidingIsKeptBetweenRuns();
};

namespace {

// A main window, shown, with scripted answers.
struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanDriver plan {window};
    Editor &e = window.editor();

    Session() { window.show(); }
    // Window-wide keys need the window active, also after a dialog.
    void key(const QString &keys)
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
        const QKeyCombination k = QKeySequence(keys)[0];
        QTest::keyClick(&window, k.key(), k.keyboardModifiers());
    }
    QToolButton *button(const char *name) { return window.findChild<QToolButton *>(name); }
};

} // namespace

void TestCommandKeys::saveWritesBackToTheRoomsFile_data()
{
    QTest::addColumn<QString>("trouble");
    QTest::newRow("none") << "";
    QTest::newRow("a folder in the file's place") << "folder";
    QTest::newRow("a read-only file system") << "readonly";
}

void TestCommandKeys::saveWritesBackToTheRoomsFile()
{
    QFETCH(QString, trouble);
    QTemporaryDir tmp;
    const QByteArray folder = QFile::encodeName(tmp.path());
    const bool mounted
        = trouble == "readonly" && ::mount("tmpfs", folder, "tmpfs", 0, "size=64k") == 0;
    auto unmount = qScopeGuard([&] { mounted && ::umount(folder); });
    if (trouble == "readonly" && !mounted)
        QSKIP("mounting a tmpfs needs root with CAP_SYS_ADMIN");
    // The save dialog starts in the working folder.
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(tmp.path()));
    auto back = qScopeGuard([&] { QDir::setCurrent(cwd); });

    const QString file = tmp.filePath("спальня & зал.kom");
    QVERIFY(
        put(file, "komfile: 553|361\x01" + toCodePage("Стол") + "\x02 40|140\x03 30|90\x01\r\n"));
    Session s;
    s.e.openKom(file);
    s.prompts.inputAnswers = {"Шкаф"};
    s.plan.drag({200, 200}, {260, 250});
    if (trouble == "readonly")
        QCOMPARE(::mount("tmpfs", folder, "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    if (trouble == "folder")
        QVERIFY(QFile::remove(file) && QDir().mkdir(file));
    const QByteArray old = contentOf(file);
    // The menu says where Ctrl+S writes; a menu shows "&&" as "&".
    s.window.commands().popup(MenuPlace::List, s.window.mapToGlobal(QPoint(60, 60)));
    QVERIFY(s.window.commands().shown());
    QCOMPARE(s.window.commands().shown()->actions().first()->text(),
        QString("Файл: спальня && зал.kom"));
    s.window.commands().shown()->close();

    {
        OnModal<SaveDialog> noDialog([](SaveDialog *d) { d->nosav()->click(); });
        s.key("Ctrl+S");
        QVERIFY(!noDialog.fired());
    }
    if (!trouble.isEmpty()) {
        QCOMPARE(s.prompts.messages.size(), 1);
        QVERIFY(s.prompts.messages[0].startsWith("Не удалось сохранить файл " + file));
        QCOMPARE(contentOf(file), old);
        QVERIFY(s.e.history().isModified());
        return;
    }
    QVERIFY(s.prompts.messages.isEmpty());
    QVERIFY(!s.e.history().isModified());
    // Byte for byte what the save button writes for the same room.
    OnModal<SaveDialog> saveAs([](SaveDialog *d) {
        d->nam()->setText("копия");
        d->sav()->click();
    });
    QTest::mouseClick(s.button("btnSave"), Qt::LeftButton);
    QVERIFY(saveAs.fired());
    QVERIFY(contentOf(file).contains(toCodePage("Шкаф")));
    QCOMPARE(contentOf(file), contentOf(tmp.filePath("копия.kom")));
}

void TestCommandKeys::fileKeysClickTheButtons_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title"); // of the dialog the button shows

    QTest::newRow("Ctrl+N") << "Ctrl+N"
                            << "btnNew"
                            << "Изменение размеров объекта";
    QTest::newRow("Ctrl+O") << "Ctrl+O"
                            << "btnOpen"
                            << "Открытие комнаты :)";
    QTest::newRow("Ctrl+E") << "Ctrl+E"
                            << "btnExp"
                            << "Экспорт комнаты в рисунок BMP.";
    QTest::newRow("Ctrl+S, no file yet") << "Ctrl+S"
                                         << "btnSave"
                                         << "Сохранение комнаты.";
}

void TestCommandKeys::fileKeysClickTheButtons()
{
    QFETCH(QString, keys);
    QFETCH(QString, button);
    QFETCH(QString, title);
    Session s;
    QSignalSpy clicked(s.button(qPrintable(button)), &QToolButton::clicked);
    QString shown;
    OnModal<QDialog> close([&](QDialog *d) {
        shown = d->windowTitle();
        d->reject();
    });
    s.key(keys);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(shown, title);
    // Not while a drag is running.
    s.plan.press({300, 300});
    s.plan.move({320, 320});
    s.key(keys);
    s.plan.release({320, 320});
    QCOMPARE(clicked.count(), 1);
}

void TestCommandKeys::slidingIsKeptBetweenRuns()
{
    for (const bool on : {true, false}) {
        {
            Session s;
            QCOMPARE(s.e.sliding(), !on);
            s.key("Ctrl+G");
        }
        // A new window reads the choice and drags by it.
        Session s;
        QCOMPARE(s.e.sliding(), on);
        QAction *slide = nullptr;
        for (QAction *a : s.window.actions())
            slide = a->text() == "Прилипание" ? a : slide;
        QVERIFY(slide && slide->isChecked() == on);
        addObject(s.e, "Шкаф", QRect(QPoint(100, 100), QPoint(150, 130)));
        QTest::mouseClick(s.button("selct"), Qt::LeftButton);
        s.plan.press({120, 110});
        s.plan.move({60, 114});
        s.key("Ctrl+G"); // during a drag: nothing
        s.plan.move({-60, 121});
        s.plan.release({-60, 121});
        QCOMPARE(s.e.sliding(), on);
        QCOMPARE(slide->isChecked(), on);
        QCOMPARE(rowRect(s.e, 0).left(), on ? 0 : 40);
    }
}

QTEST_MAIN(TestCommandKeys)
#include "test_commandkeys.moc"
