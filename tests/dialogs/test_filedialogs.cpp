#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/opendialog.h"
#include "dialogs/savedialog.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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

QListWidgetItem *fileItem(const FileList &list, const QString &name)
{
    const QList<QListWidgetItem *> found = list.findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

QStringList names(const FileList &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

// What a real click or double click on a row delivers.
bool clickFile(FileList &list, const QString &name, bool twice = false)
{
    const QListWidgetItem *item = fileItem(list, name);
    if (!item)
        return false;
    const QPoint at = list.visualItemRect(item).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at);
    }
    return true;
}

// Types text one key at a time, Cyrillic included (keyClicks takes Latin-1 only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

// Acts on a shown dialog: "click:NAME", "dclick:NAME", "dir:SUB" (relative to
// base), "type:TEXT" (into nam, replacing it), "ok" (the default button by
// mouse), "enter", "esc", "cancel" (the cancel button by mouse), "close" (the
// close box).
bool act(QDialog &dialog, const QString &step, const QString &base)
{
    auto *files = control<FileList>(dialog, "File1");
    const QString verb = step.section(':', 0, 0);
    const QString arg = step.section(':', 1);
    if (verb == "click" || verb == "dclick")
        return clickFile(*files, arg, verb == "dclick");
    if (verb == "dir")
        return control<DirList>(dialog, "Dir1")->setPath(base + '/' + arg);
    if (verb == "type") {
        auto *nam = control<QLineEdit>(dialog, "nam");
        nam->clear();
        typeText(nam, arg);
        return true;
    }
    const QString ok = dialog.objectName() == "dlgOpen" ? "op" : "sav";
    const QString cancel = dialog.objectName() == "dlgOpen" ? "noop" : "nosav";
    if (verb == "ok")
        QTest::mouseClick(control(dialog, ok), Qt::LeftButton);
    else if (verb == "enter")
        QTest::keyClick(files, Qt::Key_Return);
    else if (verb == "esc")
        QTest::keyClick(files, Qt::Key_Escape);
    else if (verb == "cancel")
        QTest::mouseClick(control(dialog, cancel), Qt::LeftButton);
    else if (verb == "close")
        dialog.close();
    else
        return false;
    return true;
}

enum class Outcome { Accepted, Rejected, StillOpen };

Outcome outcome(const QDialog &dialog)
{
    if (dialog.isVisible())
        return Outcome::StillOpen;
    return dialog.result() == QDialog::Accepted ? Outcome::Accepted : Outcome::Rejected;
}

QStringList prefixed(const QString &base, const QStringList &relative)
{
    QStringList out;
    for (const QString &path : relative)
        out << (path.isEmpty() ? path : base + '/' + path);
    return out;
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
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
    void cancelRejects_data();
    void cancelRejects();
    void listsStartAtTheWorkingDirectory_data() { addKinds(); }
    void listsStartAtTheWorkingDirectory();

    void init();
    void cleanup();
    void saveModes_data();
    void saveModes();
    void saveTargets_data();
    void saveTargets();
    void openActions_data();
    void openActions();
    void saveActions_data();
    void saveActions();
    void rootFolderPathsReachTheFile_data() { addKinds(); }
    void rootFolderPathsReachTheFile();
    void eachShowingStartsOver_data() { addKinds(); }
    void eachShowingStartsOver();
    void driveChosenGoesToItsCurrentFolder_data() { addKinds(); }
    void driveChosenGoesToItsCurrentFolder();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_base;
    QString m_cwd;
};

Q_DECLARE_METATYPE(Outcome)

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
    else if (const auto *button = qobject_cast<const QPushButton *>(w))
        QCOMPARE(button->text(), text);
    else if (const auto *files = qobject_cast<const FileList *>(w))
        QCOMPARE(files->pattern(), text);
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
}

void TestFileDialogs::enterPressesTheDefaultButton_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("from");

    QTest::newRow("open, from the file list") << "open"
                                              << "op"
                                              << "File1";
    QTest::newRow("save, from the name") << "save"
                                         << "sav"
                                         << "nam";
}

void TestFileDialogs::enterPressesTheDefaultButton()
{
    QFETCH(QString, kind);
    QFETCH(QString, button);
    QFETCH(QString, from);

    const auto dialog = makeDialog(kind);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QSignalSpy clicked(control<QPushButton>(*dialog, button), &QPushButton::clicked);

    // In the folder list Enter opens the highlighted folder instead.
    QTest::keyClick(control(*dialog, "Dir1"), Qt::Key_Return);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(dialog->isVisible());
    QTest::keyClick(control(*dialog, from), Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
}

void TestFileDialogs::cancelRejects_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("how");

    QTest::newRow("open, Esc") << "open"
                               << "noop"
                               << "Esc";
    QTest::newRow("open, Отмена") << "open"
                                  << "noop"
                                  << "click";
    QTest::newRow("open, Enter on Отмена") << "open"
                                           << "noop"
                                           << "Enter";
    QTest::newRow("save, Esc") << "save"
                               << "nosav"
                               << "Esc";
    QTest::newRow("save, Отмена") << "save"
                                  << "nosav"
                                  << "click";
    QTest::newRow("save, Enter on Отмена") << "save"
                                           << "nosav"
                                           << "Enter";
}

void TestFileDialogs::cancelRejects()
{
    QFETCH(QString, kind);
    QFETCH(QString, cancel);
    QFETCH(QString, how);

    const auto dialog = makeDialog(kind);
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(!control<QPushButton>(*dialog, cancel)->isDefault());

    auto *button = control<QPushButton>(*dialog, cancel);
    if (how == "Esc") {
        QTest::keyClick(control(*dialog, "Dir1"), Qt::Key_Escape);
    } else if (how == "click") {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        // A focused button takes Enter for itself.
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    }

    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog->isVisible());
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
    for (const char *file :
        {"a.kom", "B.KOM", "notes.txt", "pic.bmp", "PIC2.BMP", "sub/d.kom", "sub/e.bmp"}) {
        QFile f(m_base + '/' + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
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
    QTest::addColumn<QStringList>("listed");

    const QString save = "Сохранение комнаты.";
    const QString exp = "Экспорт комнаты в рисунок BMP.";
    const QStringList rooms {"a.kom", "B.KOM"};
    const QStringList pictures {"pic.bmp", "PIC2.BMP"};
    QTest::newRow("Sav") << "Sav" << save << "*.kom" << rooms;
    QTest::newRow("Exp") << "Exp" << exp << "*.bmp" << pictures;
    QTest::newRow("sav, other case") << "sav" << exp << "*.bmp" << pictures;
    QTest::newRow("Sav with a blank") << "Sav " << exp << "*.bmp" << pictures;
    QTest::newRow("empty") << "" << exp << "*.bmp" << pictures;
    QTest::newRow("a name") << "HElaga" << exp << "*.bmp" << pictures;
}

void TestFileDialogs::saveModes()
{
    QFETCH(QString, mode);
    QFETCH(QString, caption);
    QFETCH(QString, pattern);
    QFETCH(QStringList, listed);
    const QString ext = pattern.mid(1);

    QStringList written;
    SaveDialog dialog(mode, [&](const QString &path) {
        written << path;
        return true;
    });
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.File1()->pattern(), pattern);
    QCOMPARE(dialog.direkt()->text(), QDir::currentPath() + '/' + unnamed + ext);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    // Changing folder refreshes the files and the target alike.
    QVERIFY(dialog.Dir1()->setPath(m_base));
    QCOMPARE(names(*dialog.File1()), listed);
    QCOMPARE(dialog.direkt()->text(), m_base + '/' + unnamed + ext);
    QTest::mouseClick(dialog.sav(), Qt::LeftButton);
    QCOMPARE(written, QStringList {m_base + '/' + unnamed + ext});
    QCOMPARE(outcome(dialog), Outcome::Accepted);
}

void TestFileDialogs::saveTargets_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("target");

    QTest::newRow("as loaded") << ""
                               << "" << unnamed + ".kom";
    QTest::newRow("typed name") << ""
                                << "type:кухня 2"
                                << "кухня 2.kom";
    QTest::newRow("empty name") << ""
                                << "type:"
                                << ".kom";
    QTest::newRow("typed with extension") << ""
                                          << "type:plan.kom"
                                          << "plan.kom.kom";
    QTest::newRow("file clicked") << ""
                                  << "click:a.kom"
                                  << "a.kom";
    QTest::newRow("upper-case file clicked") << ""
                                             << "click:B.KOM"
                                             << "B.kom";
    QTest::newRow("file double-clicked") << ""
                                         << "dclick:a.kom"
                                         << "a.kom";
    QTest::newRow("other folder") << "sub"
                                  << "click:d.kom"
                                  << "sub/d.kom";
}

void TestFileDialogs::saveTargets()
{
    QFETCH(QString, folder);
    QFETCH(QString, step);
    QFETCH(QString, target);

    SaveDialog dialog("Sav", [](const QString &) { return true; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.Dir1()->setPath(m_base + '/' + folder));
    const QString dir = dialog.Dir1()->path();

    if (step.startsWith("type:")) {
        // The target follows every keystroke.
        dialog.nam()->clear();
        QCOMPARE(dialog.direkt()->text(), dir + "/.kom");
        QString typed;
        for (const QChar c : step.mid(5)) {
            typeText(dialog.nam(), QString(c));
            typed += c;
            QCOMPARE(dialog.direkt()->text(), dir + '/' + typed + ".kom");
        }
    } else if (!step.isEmpty()) {
        QVERIFY(act(dialog, step, dir));
    }
    QCOMPARE(dialog.direkt()->text(), m_base + '/' + target);
    QVERIFY(dialog.isVisible());
}

void TestFileDialogs::openActions_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<Outcome>("end");

    const QStringList none;
    QTest::newRow("click, Открыть")
        << QStringList {"click:a.kom", "ok"} << QStringList {"a.kom"} << Outcome::Accepted;
    QTest::newRow("click, Enter") << QStringList {"click:B.KOM", "enter"} << QStringList {"B.KOM"}
                                  << Outcome::Accepted;
    QTest::newRow("double click") << QStringList {"dclick:a.kom"} << QStringList {"a.kom"}
                                  << Outcome::Accepted;
    QTest::newRow("last click counts") << QStringList {"click:a.kom", "click:B.KOM", "ok"}
                                       << QStringList {"B.KOM"} << Outcome::Accepted;
    QTest::newRow("click, other folder, Открыть") << QStringList {"click:a.kom", "dir:sub", "ok"}
                                                  << QStringList {"a.kom"} << Outcome::Accepted;
    QTest::newRow("other folder, click there") << QStringList {"dir:sub", "click:d.kom", "enter"}
                                               << QStringList {"sub/d.kom"} << Outcome::Accepted;
    QTest::newRow("Открыть with nothing chosen")
        << QStringList {"ok"} << QStringList {""} << Outcome::Accepted;
    QTest::newRow("click, Esc") << QStringList {"click:a.kom", "esc"} << none << Outcome::Rejected;
    QTest::newRow("click, Отмена")
        << QStringList {"click:a.kom", "cancel"} << none << Outcome::Rejected;
    QTest::newRow("click, close box")
        << QStringList {"click:a.kom", "close"} << none << Outcome::Rejected;
}

void TestFileDialogs::openActions()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, opened);
    QFETCH(Outcome, end);

    QStringList calls;
    bool shownDuringOpen = true;
    OpenDialog *self = nullptr;
    OpenDialog dialog([&](const QString &path) {
        calls << path;
        shownDuringOpen = shownDuringOpen && self->isVisible();
    });
    self = &dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.Dir1()->setPath(m_base));
    QCOMPARE(names(*dialog.File1()), (QStringList {"a.kom", "B.KOM"}));

    for (const QString &step : std::as_const(steps))
        QVERIFY2(act(dialog, step, m_base), qPrintable(step));
    QCOMPARE(calls, prefixed(m_base, opened));
    QVERIFY(shownDuringOpen);
    QCOMPARE(outcome(dialog), end);
}

void TestFileDialogs::saveActions_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<Outcome>("end");

    const QStringList none;
    const QString room = unnamed + ".kom";
    QTest::newRow("Сохранить") << "Sav" << QStringList {"ok"} << QStringList {room}
                               << Outcome::Accepted;
    QTest::newRow("Enter") << "Sav" << QStringList {"enter"} << QStringList {room}
                           << Outcome::Accepted;
    QTest::newRow("click, Сохранить")
        << "Sav" << QStringList {"click:B.KOM", "ok"} << QStringList {"B.kom"} << Outcome::Accepted;
    QTest::newRow("double click saves nothing")
        << "Sav" << QStringList {"dclick:a.kom"} << none << Outcome::StillOpen;
    QTest::newRow("Esc") << "Sav" << QStringList {"type:x", "esc"} << none << Outcome::Rejected;
    QTest::newRow("Отмена") << "Exp" << QStringList {"cancel"} << none << Outcome::Rejected;
    QTest::newRow("close box") << "Sav" << QStringList {"close"} << none << Outcome::Rejected;
    QTest::newRow("failed write keeps the dialog")
        << "Sav" << QStringList {"fail", "ok"} << QStringList {room} << Outcome::StillOpen;
    QTest::newRow("failed write, another try")
        << "Sav" << QStringList {"fail", "ok", "type:кухня", "dir:sub", "enter"}
        << QStringList {room, "sub/кухня.kom"} << Outcome::Accepted;
    QTest::newRow("failed export, another try")
        << "Exp" << QStringList {"fail", "enter", "click:pic.bmp", "ok"}
        << QStringList {unnamed + ".bmp", "pic.bmp"} << Outcome::Accepted;
}

void TestFileDialogs::saveActions()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, written);
    QFETCH(Outcome, end);

    // "fail" makes the next write report failure.
    QStringList calls;
    bool failNext = false;
    SaveDialog dialog(mode, [&](const QString &path) {
        calls << path;
        return !std::exchange(failNext, false);
    });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.Dir1()->setPath(m_base));

    for (const QString &step : std::as_const(steps)) {
        if (step == "fail")
            failNext = true;
        else
            QVERIFY2(act(dialog, step, m_base), qPrintable(step));
    }
    QCOMPARE(calls, prefixed(m_base, written));
    QCOMPARE(outcome(dialog), end);
}

void TestFileDialogs::rootFolderPathsReachTheFile()
{
    // In "/" the path reads "//name". A name that walks back down into the
    // temporary folder shows that such a path reaches the file meant,
    // without touching the real root folder.
    QFETCH(QString, kind);
    const QString down = m_base.mid(1);
    QString reached;
    QByteArray bytes;
    const auto dialog = kind == "open"
        ? std::unique_ptr<QDialog>(new OpenDialog([&](const QString &path) {
              reached = path;
              QFile file(path);
              if (file.open(QIODevice::ReadOnly))
                  bytes = file.readAll();
          }))
        : std::unique_ptr<QDialog>(new SaveDialog("Sav", [&](const QString &path) {
              reached = path;
              QFile file(path);
              return file.open(QIODevice::WriteOnly) && file.write("written") == 7;
          }));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(control<DirList>(*dialog, "Dir1")->setPath("/"));
    QCOMPARE(control<FileList>(*dialog, "File1")->path(), QString("/"));

    if (auto *open = qobject_cast<OpenDialog *>(dialog.get())) {
        // What the file list reports when a row is clicked.
        emit open->File1()->fileClicked(down + "/a.kom");
        QCOMPARE(open->direkt()->text(), "//" + down + "/a.kom");
        QTest::mouseClick(open->op(), Qt::LeftButton);
        QCOMPARE(reached, "//" + down + "/a.kom");
        QCOMPARE(bytes, QByteArray("a.kom"));
    } else {
        QVERIFY(act(*dialog, "type:" + down + "/room", m_base));
        QVERIFY(act(*dialog, "enter", m_base));
        QCOMPARE(reached, "//" + down + "/room.kom");
        QFile file(m_base + "/room.kom");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("written"));
    }
    QCOMPARE(outcome(*dialog), Outcome::Accepted);
}

void TestFileDialogs::eachShowingStartsOver()
{
    QFETCH(QString, kind);
    QVERIFY(QDir::setCurrent(m_base));
    const auto dialog = makeDialog(kind);
    auto *dirs = control<DirList>(*dialog, "Dir1");
    auto *files = control<FileList>(*dialog, "File1");
    auto *direkt = control<QLabel>(*dialog, "direkt");
    const QString loaded = kind == "open" ? QString() : m_base + '/' + unnamed + ".kom";

    for (int showing = 0; showing < 2; ++showing) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dirs->path(), m_base);
        QCOMPARE(files->path(), m_base);
        QCOMPARE(direkt->text(), loaded);
        if (auto *nam = control<QLineEdit>(*dialog, "nam"))
            QCOMPARE(nam->text(), unnamed);

        QVERIFY(act(*dialog, "dir:sub", m_base));
        QVERIFY(act(*dialog, "click:d.kom", m_base));
        if (kind == "save")
            QVERIFY(act(*dialog, "type:другая", m_base));
        QVERIFY(direkt->text() != loaded);
        QVERIFY(act(*dialog, "esc", m_base));
        // The dialog's folder walk is its own.
        QCOMPARE(QDir::currentPath(), m_base);
    }
}

void TestFileDialogs::driveChosenGoesToItsCurrentFolder()
{
    QFETCH(QString, kind);
    QVERIFY(QDir::setCurrent(m_base + "/sub"));
    const auto dialog = makeDialog(kind);
    auto *drives = control<DriveList>(*dialog, "Drive1");
    auto *dirs = control<DirList>(*dialog, "Dir1");
    QVERIFY(dirs->setPath(m_base));

    // The user picks the drive of the working folder: the lists go back there.
    const int drive = drives->findText(DriveList::driveOf(m_base, DriveList::mountRoots()));
    QVERIFY(drive >= 0);
    drives->setCurrentIndex(-1);
    drives->setCurrentIndex(drive);
    QCOMPARE(dirs->path(), m_base + "/sub");
    QCOMPARE(control<FileList>(*dialog, "File1")->path(), m_base + "/sub");
    if (kind == "save")
        QCOMPARE(control<QLabel>(*dialog, "direkt")->text(), m_base + "/sub/" + unnamed + ".kom");
}

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
