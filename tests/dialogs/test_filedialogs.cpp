#include "dialogs/dirlist.h"
#include "dialogs/drivelist.h"
#include "dialogs/filelist.h"
#include "dialogs/opendialog.h"
#include "dialogs/savedialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace plandex;

namespace {

std::unique_ptr<QDialog> makeDialog(const QString &kind)
{
    if (kind == "open")
        return std::make_unique<OpenDialog>();
    return std::make_unique<SaveDialog>();
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
                                 << "direkt" << QRect(0, 288, 449, 33) << "";
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

    QTest::keyClick(control(*dialog, from), Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    // In the folder list Enter opens the highlighted folder instead.
    QTest::keyClick(control(*dialog, "Dir1"), Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(dialog->isVisible());
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

QTEST_MAIN(TestFileDialogs)
#include "test_filedialogs.moc"
