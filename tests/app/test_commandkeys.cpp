#include "app/commandmenu.h"
#include "app/filecommands.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "dialogs/savedialog.h"
#include "model/codepage.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/modal.h"
#include "support/planchecks.h"
#include "support/plandriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
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
    void menuNamesTheRoomsFile_data();
    void menuNamesTheRoomsFile();
    void renameFromTheKeysAndTheMenu_data();
    void renameFromTheKeysAndTheMenu();
    void slidingIsKeptBetweenRuns();
};

namespace {

// Стол at 40..140 x 30..90, as a saved file holds it.
const QByteArray roomBytes
    = "komfile: 553|361\x01" + toCodePage("Стол") + "\x02" + "40|140\x03" + "30|90\x01\r\n";

// What a menu shows of an item's text: "&&" is one "&", a lone "&" only
// marks the access key, a tab starts the shortcut column.
QString shownInMenu(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size() && text[i] != '\t'; ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// A main window, shown and active, with scripted answers.
struct Session {
    ScriptedPrompts prompts;
    MainWindow window {&prompts};
    PlanDriver plan {window};
    Editor &e = window.editor();

    Session()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
    }
    ~Session()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }
    // Window-wide keys need the window active, also after a dialog.
    void key(const QString &keys, QWidget *to = nullptr)
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
        const QKeyCombination k = QKeySequence(keys)[0];
        QTest::keyClick(to ? to : &window, k.key(), k.keyboardModifiers());
    }
    QListView *list() const { return window.findChild<QListView *>("L"); }
    // Opens the list's menu and runs its item of that text.
    void runFromMenu(const QString &text)
    {
        window.commands().popup(MenuPlace::List, window.mapToGlobal(QPoint(60, 60)));
        QMenu *menu = window.commands().shown();
        QVERIFY(menu);
        for (QAction *a : menu->actions())
            if (a->text() == text) {
                menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        QFAIL(qPrintable("no menu item " + text));
    }
    // The first item of the list's menu, as the menu shows it.
    QString firstMenuItem()
    {
        window.commands().popup(MenuPlace::List, window.mapToGlobal(QPoint(60, 60)));
        QMenu *menu = window.commands().shown();
        const QString text = menu ? shownInMenu(menu->actions().first()->text()) : QString();
        if (menu)
            menu->close();
        return text;
    }
};

} // namespace

void TestCommandKeys::saveWritesBackToTheRoomsFile_data()
{
    QTest::addColumn<QString>("how"); // what comes before Ctrl+S
    QTest::addColumn<bool>("dialog"); // the save dialog came up (and was cancelled)
    QTest::addColumn<bool>("written"); // the file holds the changed room
    QTest::addColumn<bool>("reported"); // a message said the save failed

    QTest::newRow("opened from a file") << "open" << false << true << false;
    QTest::newRow("saved under a name") << "save as" << false << true << false;
    QTest::newRow("a new room") << "" << true << false << false;
    QTest::newRow("during a drag") << "open, drag" << false << false << false;
    QTest::newRow("a folder in the file's place") << "open, folder" << false << false << true;
    QTest::newRow("a read-only file system") << "open, readonly" << false << false << true;
}

void TestCommandKeys::saveWritesBackToTheRoomsFile()
{
    QFETCH(QString, how);
    QFETCH(bool, dialog);
    QFETCH(bool, written);
    QFETCH(bool, reported);
    // The save dialog starts in the working folder.
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("rooms");
    QVERIFY(QDir().mkpath(folder));
    const QByteArray mountPoint = QFile::encodeName(folder);
    const bool mounted = how.contains("readonly")
        && ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") == 0;
    auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount(mountPoint.constData());
    });
    if (how.contains("readonly") && !mounted)
        QSKIP("mounting a tmpfs needs root with CAP_SYS_ADMIN");
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder));
    auto back = qScopeGuard([&] { QDir::setCurrent(cwd); });

    const QString file = folder + "/спальня.kom";
    QVERIFY(put(file, roomBytes));
    Session s;
    for (const QString &step : how.split(", ", Qt::SkipEmptyParts)) {
        if (step == "open") {
            s.e.openKom(file);
        } else if (step == "save as") {
            OnModal<SaveDialog> act([](SaveDialog *d) {
                d->nam()->setText("спальня");
                d->sav()->click();
            });
            QTest::mouseClick(s.window.findChild<QToolButton *>("btnSave"), Qt::LeftButton);
            QVERIFY(act.fired());
        } else if (step == "readonly") {
            QCOMPARE(
                ::mount("tmpfs", mountPoint.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr),
                0);
        } else if (step == "folder") {
            QVERIFY(QFile::remove(file) && QDir().mkdir(file));
        }
    }
    const QByteArray old = contentOf(file);
    QCOMPARE(s.firstMenuItem(),
        QString(s.e.roomFile().isEmpty() ? "Файл: не сохранён" : "Файл: спальня.kom"));
    s.prompts.inputAnswers = {"Шкаф"};
    s.plan.drag({200, 200}, {260, 250});
    QCOMPARE(s.e.table().count(), how.contains("open") ? 2 : 1);
    if (how.contains("drag")) {
        s.plan.press({300, 300});
        s.plan.move({320, 320});
    }

    {
        OnModal<SaveDialog> cancel([](SaveDialog *d) { d->nosav()->click(); });
        s.key("Ctrl+S");
        if (how.contains("drag"))
            s.plan.release({320, 320});
        QCOMPARE(cancel.fired(), dialog);
    }
    QCOMPARE(s.prompts.messages.size(), reported ? 1 : 0);
    if (reported)
        QVERIFY(s.prompts.messages[0].startsWith("Не удалось сохранить файл " + file));
    QCOMPARE(s.e.history().isModified(), !written);
    if (!written) {
        QCOMPARE(contentOf(file), old);
        return;
    }
    QCOMPARE(s.e.roomFile(), file);
    // Byte for byte what the save button writes for the same room.
    const QByteArray inPlace = contentOf(file);
    OnModal<SaveDialog> saveAs([](SaveDialog *d) {
        d->nam()->setText("копия");
        d->sav()->click();
    });
    QTest::mouseClick(s.window.findChild<QToolButton *>("btnSave"), Qt::LeftButton);
    QVERIFY(saveAs.fired());
    QCOMPARE(inPlace, contentOf(folder + "/копия.kom"));
    QVERIFY(inPlace.contains(toCodePage("Шкаф")));
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
    QSignalSpy clicked(s.window.findChild<QToolButton *>(button), &QToolButton::clicked);
    QString shown;
    OnModal<QDialog> close([&](QDialog *d) {
        shown = d->windowTitle();
        d->reject();
    });
    // From the list and from the plan alike.
    s.key(keys, s.list());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(shown, title);
    s.plan.view()->setFocus();
    OnModal<QDialog> again([](QDialog *d) { d->reject(); });
    s.key(keys, s.plan.view());
    QCOMPARE(clicked.count(), 2);
    // Not while a drag is running.
    s.plan.press({300, 300});
    s.plan.move({320, 320});
    s.key(keys);
    s.plan.release({320, 320});
    QCOMPARE(clicked.count(), 2);
}

void TestCommandKeys::menuNamesTheRoomsFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("shown");

    QTest::newRow("none") << ""
                          << "Файл: не сохранён";
    QTest::newRow("a name") << "/home/a/спальня.kom"
                            << "Файл: спальня.kom";
    QTest::newRow("an ampersand") << "/x/Tom & Jerry.kom"
                                  << "Файл: Tom & Jerry.kom";
    QTest::newRow("markup") << "/x/<i>a.kom"
                            << "Файл: <i>a.kom";
    QTest::newRow("a tab and a line end") << "/x/a\tb\nc.kom"
                                          << "Файл: a?b?c.kom";
}

void TestCommandKeys::menuNamesTheRoomsFile()
{
    QFETCH(QString, path);
    QFETCH(QString, shown);
    const QString text = roomFileItemText(path);
    QVERIFY(!text.contains('\n'));
    QCOMPARE(shownInMenu(text), shown);
}

void TestCommandKeys::renameFromTheKeysAndTheMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("F2 on the list") << "F2 list";
    QTest::newRow("F2 on the plan") << "F2 plan";
    QTest::newRow("the menu") << "menu";
}

void TestCommandKeys::renameFromTheKeysAndTheMenu()
{
    QFETCH(QString, how);
    Session s;
    s.prompts.inputAnswers = {"Стол", "Шкаф"};
    s.plan.drag({10, 10}, {70, 50});
    s.plan.drag({100, 100}, {160, 140});
    s.e.table().select(0);
    const QImage plan = s.e.K().image().copy();
    s.prompts.inputAnswers = {"Комод"};
    if (how == "menu")
        s.runFromMenu("Переименовать…");
    else
        s.key("F2", how.endsWith("list") ? static_cast<QWidget *>(s.list()) : s.plan.view());
    QCOMPARE(s.prompts.inputInitials.last(), QString("Стол"));
    QCOMPARE(s.list()->model()->index(0, 0).data().toString(), QString("Комод"));
    QCOMPARE(s.e.table().selection(), 0);
    QCOMPARE(s.e.K().image(), plan);
    s.key("Ctrl+Z");
    QCOMPARE(s.list()->model()->index(0, 0).data().toString(), QString("Стол"));
}

void TestCommandKeys::slidingIsKeptBetweenRuns()
{
    {
        Session s;
        QVERIFY(!s.e.sliding());
        // Off: the drag stops where the mouse left the room, short of the wall.
        addObject(s.e, "Шкаф", QRect(QPoint(100, 100), QPoint(150, 130)));
        QTest::mouseClick(s.window.findChild<QToolButton *>("selct"), Qt::LeftButton);
        s.plan.drag({120, 110}, {-60, 121}, 3);
        QCOMPARE(rowRect(s.e, 0).left(), 40);
        s.key("Ctrl+G");
        QVERIFY(s.e.sliding());
        QVERIFY(settingFlag("edit/slide", false));
    }
    {
        Session s;
        QVERIFY(s.e.sliding());
        addObject(s.e, "Шкаф", QRect(QPoint(100, 100), QPoint(150, 130)));
        QTest::mouseClick(s.window.findChild<QToolButton *>("selct"), Qt::LeftButton);
        s.plan.drag({120, 110}, {-60, 121}, 3);
        QCOMPARE(rowRect(s.e, 0), QRect(QPoint(0, 111), QPoint(50, 141)));
        QCOMPARE(planFault(s.e), QString());
        // The menu shows it checked; a key during a drag changes nothing.
        s.plan.press({20, 120});
        s.plan.move({30, 130});
        s.key("Ctrl+G");
        s.plan.release({30, 130});
        QVERIFY(s.e.sliding());
        s.window.commands().popup(MenuPlace::Plan, s.window.mapToGlobal(QPoint(300, 300)));
        QMenu *menu = s.window.commands().shown();
        QVERIFY(menu);
        bool checked = false;
        for (QAction *a : menu->actions())
            checked |= a->text() == "Прилипание" && a->isChecked();
        QVERIFY(checked);
        menu->close();
        s.key("Ctrl+G");
    }
    Session s;
    QVERIFY(!s.e.sliding());
}

QTEST_MAIN(TestCommandKeys)
#include "test_commandkeys.moc"
