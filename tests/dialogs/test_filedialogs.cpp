#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/opendialog.h"
#include "dialogs/savedialog.h"
#include "support/tmpfsmount.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>

using namespace plandex;

namespace {

std::unique_ptr<QDialog> makeDialog(const QString &kind)
{
    if (kind == "open")
        return std::make_unique<OpenDialog>([](const QString &) {});
    return std::make_unique<SaveDialog>("Sav", [](const QString &) { return true; });
}

template<typename T = QWidget> T *control(const QDialog &dialog, const QString &name)
{
    return dialog.findChild<T *>(name, Qt::FindDirectChildrenOnly);
}

void addKinds()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("open") << "open";
    QTest::newRow("save") << "save";
}

const QString unnamed = QStringLiteral("безымянная комната");

// Acts on a shown dialog as the user would: "click:NAME", "dclick:NAME",
// "dir:SUB", "type:TEXT" (replaces nam, checking direkt at every key),
// "drive:ROOT" (picks a drive; without ROOT the working folder's), "ok" and
// "cancel" (by mouse), "enter:CONTROL" and "esc:CONTROL" (keys in a control,
// the file list when none is named), "close" (the close box).
bool act(QDialog &dialog, const QString &step)
{
    if (!dialog.isVisible())
        return false;
    auto *files = control<FileList>(dialog, "File1");
    auto *dirs = control<DirList>(dialog, "Dir1");
    auto *drives = control<DriveList>(dialog, "Drive1");
    const QString verb = step.section(':', 0, 0);
    const QString arg = step.section(':', 1);
    const bool open = dialog.objectName() == "dlgOpen";
    if (verb == "click" || verb == "dclick") {
        const QList<QListWidgetItem *> found = files->findItems(arg, Qt::MatchExactly);
        if (found.isEmpty())
            return false;
        const QPoint at = files->visualItemRect(found.first()).center();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
        if (verb == "dclick") {
            QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(files->viewport(), Qt::LeftButton, {}, at);
        }
    } else if (verb == "dir") {
        return dirs->setPath(dirs->path() + '/' + arg);
    } else if (verb == "type") {
        auto *nam = control<QLineEdit>(dialog, "nam");
        const QString ext = files->pattern().mid(1);
        nam->clear();
        for (int typed = 0; typed <= arg.size(); ++typed) {
            // One key at a time; keyClicks takes Latin-1 only.
            if (typed > 0)
                QTest::sendKeyEvent(QTest::Click, nam, Qt::Key_unknown, arg.mid(typed - 1, 1), {});
            const QString target = dirs->path() + '/' + arg.left(typed) + ext;
            if (control<QLabel>(dialog, "direkt")->text() != target)
                return false;
        }
    } else if (verb == "drive") {
        const int index = drives->findText(
            arg.isEmpty() ? DriveList::driveOf(QDir::currentPath(), DriveList::mountRoots()) : arg);
        if (index < 0)
            return false;
        // Picked even when it is the one shown already.
        drives->setCurrentIndex(-1);
        drives->setCurrentIndex(index);
    } else if (verb == "ok" || verb == "cancel") {
        const bool ok = verb == "ok";
        QTest::mouseClick(
            control(dialog, open ? (ok ? "op" : "noop") : (ok ? "sav" : "nosav")), Qt::LeftButton);
    } else if (verb == "enter" || verb == "esc") {
        QWidget *target = arg.isEmpty() ? files : control(dialog, arg);
        if (!target)
            return false;
        // A focused button takes Enter for itself.
        target->setFocus();
        QTest::keyClick(target, verb == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    } else if (verb == "close") {
        dialog.close();
    } else {
        return false;
    }
    return true;
}

// How the dialog ended: QDialog::Accepted or Rejected, or -1 while still open.
int outcome(const QDialog &dialog)
{
    return dialog.isVisible() ? -1 : dialog.result();
}

} // namespace

class TestFileDialogs : public QObject
{
    Q_OBJECT

private slots:
    void window_data();
    void window();
    void controls_data();
    void controls();
    void tabOrder_data();
    void tabOrder();
    void listsStartAtTheWorkingDirectory_data() { addKinds(); }
    void listsStartAtTheWorkingDirectory();

    void init();
    void cleanup();
    void saveModes_data();
    void saveModes();
    void actions_data();
    void actions();
    void rootFolderPathsReachTheFile_data() { addKinds(); }
    void rootFolderPathsReachTheFile();
    void eachShowingStartsOver_data() { addKinds(); }
    void eachShowingStartsOver();
    void aDriveGoesToItsRootUnlessItHoldsTheWorkingFolder_data() { addKinds(); }
    void aDriveGoesToItsRootUnlessItHoldsTheWorkingFolder();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_base;
    QString m_cwd;
};

void TestFileDialogs::window_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");

    QTest::newRow("open") << "open"
                          << "dlgOpen"
                          << "Открытие комнаты :)" << QSize(357, 330);
    QTest::newRow("save") << "save"
                          << "dlgSav"
                          << "Сохранение комнаты." << QSize(453, 327);
}

void TestFileDialogs::window()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, client);

    const auto dialog = makeDialog(kind);
    QCOMPARE(dialog->objectName(), name);
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->minimumSize(), client);
    QCOMPARE(dialog->maximumSize(), client);
    QVERIFY(!dialog->windowIcon().isNull());
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
}

void TestFileDialogs::controls_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");

    QTest::newRow("open File1") << "open"
                                << "File1" << QRect(192, 0, 161, 227) << "*.kom";
    QTest::newRow("open Drive1") << "open"
                                 << "Drive1" << QRect(8, 272, 177, 21) << "";
    QTest::newRow("open direkt") << "open"
                                 << "direkt" << QRect(0, 304, 353, 25) << "";
    QTest::newRow("open op") << "open"
                             << "op" << QRect(208, 232, 121, 25) << "Открыть";
    QTest::newRow("open noop") << "open"
                               << "noop" << QRect(208, 264, 121, 25) << "Отмена";
    QTest::newRow("save Dir1") << "save"
                               << "Dir1" << QRect(8, 0, 313, 261) << "";
    QTest::newRow("save direkt") << "save"
                                 << "direkt" << QRect(0, 288, 449, 33)
                                 << QDir::currentPath() + "/безымянная комната.kom";
    QTest::newRow("save nam") << "save"
                              << "nam" << QRect(8, 264, 441, 19) << "безымянная комната";
    QTest::newRow("save sav") << "save"
                              << "sav" << QRect(328, 176, 113, 25) << "Сохранить";
    QTest::newRow("save nosav") << "save"
                                << "nosav" << QRect(328, 208, 113, 25) << "Отмена";
    QTest::newRow("save File1") << "save"
                                << "File1" << QRect(328, 0, 113, 175) << "*.kom";
}

void TestFileDialogs::controls()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QFETCH(QString, text);

    const auto dialog = makeDialog(kind);
    const QWidget *w = control(*dialog, name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), rect);
    if (const auto *label = qobject_cast<const QLabel *>(w))
        QCOMPARE(label->text(), text);
    else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        QCOMPARE(edit->text(), text);
    else if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        QCOMPARE(button->text(), text);
        QCOMPARE(button->isDefault(), name == "op" || name == "sav");
    } else if (const auto *files = qobject_cast<const FileList *>(w)) {
        QCOMPARE(files->pattern(), text);
    }
}

void TestFileDialogs::tabOrder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("open") << "open" << QStringList {"File1", "Drive1", "Dir1", "op", "noop"};
    QTest::newRow("save") << "save"
                          << QStringList {"Drive1", "Dir1", "nam", "sav", "nosav", "File1"};
}

void TestFileDialogs::tabOrder()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, order);

    const auto dialog = makeDialog(kind);
    QStringList visited;
    for (QWidget *w = dialog->nextInFocusChain(); w != dialog.get(); w = w->nextInFocusChain()) {
        if (w->parentWidget() == dialog.get() && (w->focusPolicy() & Qt::TabFocus))
            visited << w->objectName();
    }
    QCOMPARE(visited, order);
    // The keyboard starts at the first of them.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(dialog->focusWidget()->objectName(), order.first());
}

void TestFileDialogs::listsStartAtTheWorkingDirectory()
{
    QFETCH(QString, kind);
    const QString cwd = QDir::currentPath();
    const auto dialog = makeDialog(kind);

    QCOMPARE(control<DirList>(*dialog, "Dir1")->path(), cwd);
    QCOMPARE(control<FileList>(*dialog, "File1")->path(), cwd);
    QCOMPARE(control<DriveList>(*dialog, "Drive1")->drive(),
        DriveList::driveOf(cwd, DriveList::mountRoots()));
}

void TestFileDialogs::init()
{
    m_cwd = QDir::currentPath();
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_base = QDir::cleanPath(m_tmp->path());
    QVERIFY(QDir(m_base).mkpath("sub"));
    for (const char *file : {"a.kom", "B.KOM", "notes.txt", "pic.bmp", "PIC2.BMP", "sub/d.kom"}) {
        QFile f(m_base + '/' + file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) > 0);
    }
}

void TestFileDialogs::cleanup()
{
    QDir::setCurrent(m_cwd);
    m_tmp.reset();
}

void TestFileDialogs::saveModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("pattern");

    const QString exp = "Экспорт комнаты в рисунок BMP.";
    QTest::newRow("Sav") << "Sav"
                         << "Сохранение комнаты."
                         << "*.kom";
    QTest::newRow("Exp") << "Exp" << exp << "*.bmp";
    QTest::newRow("sav") << "sav" << exp << "*.bmp";
    QTest::newRow("Sav and a blank") << "Sav " << exp << "*.bmp";
    QTest::newRow("a name") << "HElaga" << exp << "*.bmp";
}

void TestFileDialogs::saveModes()
{
    QFETCH(QString, mode);
    QFETCH(QString, caption);
    QFETCH(QString, pattern);

    SaveDialog dialog(mode, [](const QString &) { return true; });
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.File1()->pattern(), pattern);
    QCOMPARE(dialog.direkt()->text(), QDir::currentPath() + '/' + unnamed + pattern.mid(1));
}

void TestFileDialogs::actions_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("steps");
    // Paths handed to the callback, relative to the working folder.
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<int>("end");

    using L = QStringList;
    const int A = QDialog::Accepted;
    const int R = QDialog::Rejected;
    const QString room = unnamed + ".kom";
    QTest::newRow("open: click, Открыть") << "open" << L {"click:a.kom", "ok"} << L {"a.kom"} << A;
    QTest::newRow("open: click, Enter") << "open" << L {"click:B.KOM", "enter"} << L {"B.KOM"} << A;
    QTest::newRow("open: double click") << "open" << L {"dclick:a.kom"} << L {"a.kom"} << A;
    QTest::newRow("open: click, other folder")
        << "open" << L {"click:a.kom", "dir:sub", "ok"} << L {"a.kom"} << A;
    QTest::newRow("open: other folder, drive")
        << "open" << L {"dir:sub", "click:d.kom", "drive", "click:B.KOM", "enter"} << L {"B.KOM"}
        << A;
    QTest::newRow("open: nothing chosen") << "open" << L {"ok"} << L {""} << A;
    QTest::newRow("open: Enter in the folder list only opens the folder")
        << "open" << L {"click:a.kom", "enter:Dir1"} << L {} << -1;
    QTest::newRow("open: Esc") << "open" << L {"click:a.kom", "esc"} << L {} << R;
    QTest::newRow("open: Esc in the folder list") << "open" << L {"esc:Dir1"} << L {} << R;
    QTest::newRow("open: Отмена") << "open" << L {"click:a.kom", "cancel"} << L {} << R;
    QTest::newRow("open: Enter on Отмена")
        << "open" << L {"click:a.kom", "enter:noop"} << L {} << R;
    QTest::newRow("open: close box") << "open" << L {"click:a.kom", "close"} << L {} << R;
    QTest::newRow("save: Сохранить") << "Sav" << L {"ok"} << L {room} << A;
    QTest::newRow("save: typed, Enter")
        << "Sav" << L {"type:кухня 2", "enter"} << L {"кухня 2.kom"} << A;
    QTest::newRow("save: empty name") << "Sav" << L {"type:", "ok"} << L {".kom"} << A;
    QTest::newRow("save: typed with extension")
        << "Sav" << L {"type:plan.kom", "ok"} << L {"plan.kom.kom"} << A;
    QTest::newRow("save: Enter in the folder list, then in the name")
        << "Sav" << L {"enter:Dir1", "enter:nam"} << L {room} << A;
    QTest::newRow("save: click") << "Sav" << L {"click:a.kom", "ok"} << L {"a.kom"} << A;
    QTest::newRow("save: click replaces that very file")
        << "Sav" << L {"click:B.KOM", "ok"} << L {"B.KOM"} << A;
    QTest::newRow("save: click, then the name typed")
        << "Sav" << L {"click:B.KOM", "type:B", "ok"} << L {"B.kom"} << A;
    QTest::newRow("save: click, then another folder")
        << "Sav" << L {"click:B.KOM", "dir:sub", "ok"} << L {"sub/B.kom"} << A;
    QTest::newRow("save: double click only takes the name")
        << "Sav" << L {"dclick:a.kom", "ok"} << L {"a.kom"} << A;
    QTest::newRow("save: other folder, drive")
        << "Sav" << L {"dir:sub", "click:d.kom", "drive", "ok"} << L {"d.kom"} << A;
    QTest::newRow("save: Esc") << "Sav" << L {"type:x", "esc"} << L {} << R;
    QTest::newRow("save: Esc in the folder list") << "Sav" << L {"esc:Dir1"} << L {} << R;
    QTest::newRow("save: Отмена") << "Sav" << L {"cancel"} << L {} << R;
    QTest::newRow("save: Enter on Отмена") << "Sav" << L {"enter:nosav"} << L {} << R;
    QTest::newRow("save: close box") << "Sav" << L {"close"} << L {} << R;
    QTest::newRow("save: failed write, another try")
        << "Sav" << L {"fail", "ok", "type:кухня", "dir:sub", "enter"} << L {room, "sub/кухня.kom"}
        << A;
    QTest::newRow("export: failed write, another try")
        << "Exp" << L {"fail", "enter", "click:PIC2.BMP", "ok"} << L {unnamed + ".bmp", "PIC2.BMP"}
        << A;
    QTest::newRow("other mode exports") << "x" << L {"click:pic.bmp", "ok"} << L {"pic.bmp"} << A;
}

void TestFileDialogs::actions()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, written);
    QFETCH(int, end);
    QVERIFY(QDir::setCurrent(m_base));

    // The callbacks run with the dialog still on screen; "fail" makes the next write fail.
    QStringList calls;
    bool failNext = false;
    std::unique_ptr<QDialog> dialog;
    if (mode == "open")
        dialog = std::make_unique<OpenDialog>(
            [&](const QString &path) { calls << (dialog->isVisible() ? path : "hidden"); });
    else
        dialog = std::make_unique<SaveDialog>(mode, [&](const QString &path) {
            calls << (dialog->isVisible() ? path : "hidden");
            return !std::exchange(failNext, false);
        });
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    for (const QString &step : std::as_const(steps)) {
        if (step == "fail")
            failNext = true;
        else
            QVERIFY2(act(*dialog, step), qPrintable(step));
    }
    for (QString &path : written)
        path = path.isEmpty() ? path : m_base + '/' + path;
    QCOMPARE(calls, written);
    QCOMPARE(outcome(*dialog), end);
}

void TestFileDialogs::rootFolderPathsReachTheFile()
{
    // In "/" the path reads "//name". A name that walks back down into the
    // temporary folder shows that such a path reaches the file meant,
    // without touching the real root folder.
    QFETCH(QString, kind);
    const QString down = m_base.mid(1);
    QStringList seen;
    const auto dialog = kind == "open"
        ? std::unique_ptr<QDialog>(new OpenDialog([&](const QString &path) {
              QFile file(path);
              seen << path << (file.open(QIODevice::ReadOnly) ? file.readAll() : "");
          }))
        : std::unique_ptr<QDialog>(new SaveDialog("Sav", [&](const QString &path) {
              QFile file(path);
              seen << path;
              return file.open(QIODevice::WriteOnly) && file.write("written") == 7;
          }));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(control<DirList>(*dialog, "Dir1")->setPath("/"));

    if (auto *open = qobject_cast<OpenDialog *>(dialog.get())) {
        // What the file list reports when a row is clicked.
        emit open->File1()->fileClicked(down + "/a.kom");
        QVERIFY(act(*dialog, "ok"));
        QCOMPARE(seen, (QStringList {"//" + down + "/a.kom", "a.kom"}));
    } else {
        QVERIFY(act(*dialog, "type:" + down + "/room"));
        QVERIFY(act(*dialog, "enter"));
        QCOMPARE(seen, QStringList {"//" + down + "/room.kom"});
        QFile file(m_base + "/room.kom");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("written"));
    }
    QCOMPARE(outcome(*dialog), int(QDialog::Accepted));
}

void TestFileDialogs::eachShowingStartsOver()
{
    QFETCH(QString, kind);
    QVERIFY(QDir::setCurrent(m_base));
    const auto dialog = makeDialog(kind);
    auto *direkt = control<QLabel>(*dialog, "direkt");
    const QString loaded = kind == "open" ? QString() : m_base + '/' + unnamed + ".kom";

    for (int showing = 0; showing < 2; ++showing) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(control<DirList>(*dialog, "Dir1")->path(), m_base);
        QCOMPARE(control<FileList>(*dialog, "File1")->path(), m_base);
        QCOMPARE(direkt->text(), loaded);

        QVERIFY(act(*dialog, "dir:sub") && act(*dialog, "click:d.kom"));
        QVERIFY(kind == "open" || act(*dialog, "type:другая"));
        QVERIFY(direkt->text() != loaded);
        QVERIFY(act(*dialog, "esc"));
        // The dialog's folder walk is its own.
        QCOMPARE(QDir::currentPath(), m_base);
    }
}

void TestFileDialogs::aDriveGoesToItsRootUnlessItHoldsTheWorkingFolder()
{
    QFETCH(QString, kind);
    // The working folder on a drive of its own, which lies under "/".
    const QString drive = m_base + "/drive";
    const TmpfsMount mount(drive);
    if (!mount.mounted)
        QSKIP("cannot mount a tmpfs here (needs root with CAP_SYS_ADMIN)");
    const QString cwd = drive + "/inner";
    QVERIFY(QDir().mkpath(cwd) && QDir::setCurrent(cwd));
    const auto leave = qScopeGuard([this] { QDir::setCurrent(m_cwd); });

    const auto dialog = makeDialog(kind);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto *dirs = control<DirList>(*dialog, "Dir1");
    QCOMPARE(control<DriveList>(*dialog, "Drive1")->drive(), drive);

    // "/" holds the working folder's path, but not its drive.
    for (const auto &[root, folder] :
        {std::pair {QString("/"), QString("/")}, {drive, cwd}, {"/", "/"}}) {
        QVERIFY2(act(*dialog, "drive:" + root), qPrintable(root));
        QCOMPARE(dirs->path(), folder);
    }
}

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
