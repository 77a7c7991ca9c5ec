// Names come from room files and paths from folders that anyone may have
// made: every place that shows one shows its literal text, never markup.
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/qtprompts.h"
#include "dialogs/filelist.h"
#include "dialogs/opendialog.h"
#include "dialogs/savedialog.h"
#include "dialogs/sizedialog.h"
#include "files/filepath.h"
#include "files/safesave.h"
#include "menus/commandmenu.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/modal.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

using namespace plandex;

namespace {

const QColor pictureColour(255, 0, 0);

// What a rich-text label would make of the name: the picture, and a link.
// A file name cannot hold "/", so it asks for the picture by a relative
// name, which the working folder resolves.
QString markup(const QString &picture)
{
    return "<img src=\"" + picture + "\"><a href=\"http:example.invalid\">x";
}

bool showsPicture(QWidget *widget)
{
    const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(shot.constBits());
    return std::count(pixels, pixels + shot.sizeInBytes() / 4, pictureColour.rgb()) > 0;
}

QLabel *labelShowing(QWidget *window, const QString &text)
{
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels)
        if (label->text() == text)
            return label;
    return nullptr;
}

} // namespace

class TestPlainText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void shownAsWritten_data();
    void shownAsWritten();

private:
    // Shows text at a place and hands over the window while it is on screen.
    void show(
        const QString &place, const QString &text, const std::function<void(QWidget *)> &look);

    QTemporaryDir m_tmp;
    QString m_cwd;
};

void TestPlainText::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    QImage picture(12, 12, QImage::Format_RGB32);
    picture.fill(pictureColour);
    QVERIFY(picture.save(m_tmp.filePath("picture.png")));
    // The file dialogs start here, and relative pictures are found here.
    m_cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_tmp.path()));
}

void TestPlainText::cleanupTestCase()
{
    QDir::setCurrent(m_cwd);
}

void TestPlainText::shownAsWritten_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    const QString name = markup("file://" + m_tmp.filePath("picture.png"));
    const QString file = markup("picture.png") + ".kom";
    const QString path = QDir::cleanPath(m_tmp.path()) + '/' + file;
    const QString failed = saveFailureMessage(path, "Нет места на диске.");
    QTest::newRow("delete question")
        << "delete" << name << "Вы действительно хотите удалить " + name + "?";
    QTest::newRow("message with a line break") << "message" << failed << failed;
    QTest::newRow("close question") << "three-way" << name << name;
    QTest::newRow("name box") << "input" << name + "\r\n(Например)" << name + "\n(Например)";
    QTest::newRow("size dialog") << "size" << name << name;
    QTest::newRow("open dialog") << "open" << file << path;
    QTest::newRow("save dialog") << "save" << file << path;
    QTest::newRow("caption") << "caption"
                             << "My Plandex - Шкаф [*] <b>x"
                             << "My Plandex - Шкаф [*] <b>x";
    // A control character breaks the line, and a turn of direction shows
    // another name: both show as escapes, the stored name as it is.
    QTest::newRow("caption with a line break and a turn")
        << "caption" << QString("My Plandex - new\nline \u202Egpj.kom")
        << "My Plandex - new\\u000Aline \\u202Egpj.kom";
    QTest::newRow("delete question, name turned")
        << "delete" << QString("Шкаф \u202E") << "Вы действительно хотите удалить Шкаф \\u202E?";
    QTest::newRow("message naming a path with a tab")
        << "message" << saveFailureMessage("/a\tb\u2066.kom", "нет места")
        << "Не удалось сохранить файл /a\\u0009b\\u2066.kom\nнет места";
    // Its bytes reach the file system as they are, whatever they are.
    QTest::newRow("menu, a path from the command line not UTF-8")
        << "command line"
        << "room" + QString(QChar(0xDCE9)) + ".kom"
        << "Файл: room\\xE9.kom";
}

void TestPlainText::shownAsWritten()
{
    QFETCH(QString, place);
    QFETCH(QString, text);
    QFETCH(QString, shown);

    bool looked = false;
    show(place, text, [&](QWidget *window) {
        looked = true;
        if (place == "caption") {
            QCOMPARE(window->windowHandle()->title(), shown);
        } else if (place == "command line") {
            QCOMPARE(qobject_cast<QMenu *>(window)->actions().first()->text(), shown);
        } else {
            QLabel *label = labelShowing(window, shown);
            QVERIFY(label);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(!showsPicture(label));
            if (shown.contains('\n'))
                QVERIFY(label->sizeHint().height() >= 2 * label->fontMetrics().height());
        }
        // No label of the window takes text for markup or opens links but
        // the web link, whose text is the program's own.
        const QList<QLabel *> labels = window->findChildren<QLabel *>();
        for (const QLabel *label : labels) {
            if (label->text().isEmpty() || label->objectName() == "Label1")
                continue;
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->text()));
            QVERIFY(!label->openExternalLinks());
            // Qt's message box makes its text's links work, on its own.
            if (qobject_cast<QMessageBox *>(window))
                QVERIFY(!(label->textInteractionFlags() & Qt::LinksAccessibleByMouse));
        }
    });
    QVERIFY(looked);
}

void TestPlainText::show(
    const QString &place, const QString &text, const std::function<void(QWidget *)> &look)
{
    FakeWindow window;
    QtPrompts prompts;
    Editor editor(window, prompts);
    editor.load();
    editor.table().append(text, "1|10", "1|10");
    editor.table().select(0);

    if (place == "size") {
        SizeDialog dialog(editor, prompts);
        dialog.show();
        look(&dialog);
    } else if (place == "open" || place == "save") {
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const auto dialog = place == "open"
            ? std::unique_ptr<FolderDialog>(new OpenDialog([](const QString &) {}))
            : std::make_unique<SaveDialog>("Sav", [](const QString &) { return true; });
        dialog->show();
        FileList *files = dialog->File1();
        const QList<QListWidgetItem *> found = files->findItems(text, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(
            files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
        look(dialog.get());
        QVERIFY(file.remove());
    } else if (place == "command line") {
        const QByteArray path = pathBytes(m_tmp.filePath(text));
        QFile file;
        QVERIFY(file.open(std::fopen(path.constData(), "wb"), QIODevice::WriteOnly,
            QFileDevice::AutoCloseHandle));
        QVERIFY(file.write("komfile: 553|361\x01"
                           "A\x02 1|2\x03 1|2\x01\r\n")
            > 0);
        file.close();
        ScriptedPrompts scripted;
        MainWindow main(&scripted);
        const char *argv[] = {"plandex", path.constData()};
        main.editor().openCommandLine(commandLineText(2, argv));
        QCOMPARE(scripted.messages, QStringList());
        QCOMPARE(main.editor().table().count(), 1);
        QVERIFY(main.editor().saveKom(main.editor().roomFile()));
        QVERIFY(!QFile::exists(m_tmp.filePath(u"room\uFFFD.kom"_qs)));
        main.commands().popup(MenuPlace::List, QPoint(60, 60));
        look(main.commands().shown());
        main.commands().shown()->close();
    } else if (place == "caption") {
        ScriptedPrompts scripted;
        MainWindow main(&scripted);
        main.setCaption(text);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        look(&main);
    } else {
        // The boxes are modal: looked at from inside, then closed unanswered.
        OnModal<QDialog> inside([&](QDialog *box) {
            look(box);
            box->reject();
        });
        if (place == "delete")
            editor.DelObj_Click();
        else if (place == "message")
            prompts.message(text);
        else if (place == "three-way")
            prompts.askYesNoCancel(text);
        else
            prompts.input(text);
        QVERIFY(inside.fired());
        QCOMPARE(editor.table().count(), 1);
    }
}

QTEST_MAIN(TestPlainText)
#include "test_plaintext.moc"
