// One catalogue of what a file, the command line, the size dialog, a typed
// name or the disk can throw at the program. Every row states what the user
// sees and checks that nothing was lost: the room, its objects, the
// selection and every file on disk stay exactly as they were.
#include "app/commandline.h"
#include "dialogs/sizedialog.h"
#include "model/codepage.h"
#include "plan/editor.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/tmpfsmount.h"

#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandex;

namespace {

enum class Via { File, CommandLine, RoomSize, ObjectSize, Name, Save, Export };

const QString badFile = QStringLiteral("Неверный формат файла");
const QString enterNumbers = QStringLiteral("Введите числа!");
const QString roomLimits
    = QStringLiteral("Комната не должна быть больше 700 x 500 cm, и меньше 50 x 50 cm!");
const QString notSaved = QStringLiteral("Не удалось сохранить файл");

QByteArray k(const QByteArray &text)
{
    return QByteArray(text).replace("{1}", "\x01").replace("{2}", "\x02").replace("{3}", "\x03");
}

const QByteArray header = "komfile: ";
// The room every row starts from: 600 x 400, three objects.
const QByteArray oldRoom = k("komfile: 600|400{1}A{2}10|60{3}10|40{1}") + toCodePage("Стол")
    + k("{2}100|200{3}100|150{1}C{2}300|350{3}300|350{1}\r\n");

QByteArray manyObjects(int count)
{
    QByteArray bytes = header + "700|500";
    for (int i = 0; i < count; ++i)
        bytes += k("{1}o{2}1|2{3}1|2");
    return bytes + k("{1}\r\n");
}

// Every file under a folder with its bytes.
QMap<QString, QByteArray> filesUnder(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        // A fifo or an unreadable file is listed, never read.
        const QFileInfo info(path);
        files[path] = info.isFile() && f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)
            ? f.read(1 << 20)
            : QByteArray("<not read>");
    }
    return files;
}

// Everything of the room the user could lose.
struct Room {
    QStringList rows;
    int selection;
    QSize size;
    QImage plan;

    explicit Room(const Editor &e)
        : selection(e.table().selection())
        , size(e.K().width(), e.K().height())
        , plan(e.K().image())
    {
        for (int i = 0; i < e.table().count(); ++i)
            rows << e.table().name(i) + "," + e.table().xText(i) + "," + e.table().yText(i);
    }
    bool operator==(const Room &) const = default;
};

// Root reads any file whatever its mode; a file-system uid of nobody
// drops that power for this thread until the row ends.
struct NoRootReading {
    const int old = setfsuid(65534);
    ~NoRootReading() { setfsuid(uid_t(old)); }
};

} // namespace

Q_DECLARE_METATYPE(Via)

class TestBadInputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogue_data();
    void catalogue();
    void cleanup() { QLocale::setDefault(QLocale::c()); }

private:
    QTemporaryDir m_home;
};

void TestBadInputs::initTestCase()
{
    QVERIFY(m_home.isValid());
    for (const char *name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
             "XDG_RUNTIME_DIR", "XDG_STATE_HOME"})
        qputenv(name, QFile::encodeName(m_home.path()));
}

void TestBadInputs::catalogue_data()
{
    QTest::addColumn<Via>("via");
    // Room file rows: how the file is made ("bytes" or a kind), then bytes.
    // Command line: the arguments ({dir} is the row's folder). Sizes: the
    // two texts and the locale. Names: the text typed. Saving: the target.
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QByteArray>("bytes");
    // The message the user is shown (a prefix for saving), or for a name
    // what the list then shows; empty when nothing is shown.
    QTest::addColumn<QString>("seen");

    const auto file = [](const char *row, const char *kind, const QByteArray &bytes = {}) {
        QTest::newRow(row) << Via::File << QStringList {kind} << bytes << badFile;
    };
    file("file missing", "missing");
    file("file is a folder", "folder");
    file("file is a fifo", "fifo");
    file("file unreadable", "unreadable");
    file("file is a symlink loop", "loop");
    file("file over 64 MiB", "huge");
    file("file empty", "bytes", "");
    file("binary junk", "bytes",
        QByteArray("\x7f"
                   "ELF\x02\x01\x01\0\0\xff\xfe",
            12));
    file("header with a capital K", "bytes", k("Komfile: 553|361{1}\r\n"));
    file("header truncated", "bytes", "komfil");
    file("header only", "bytes", header);
    file("size separator missing", "bytes", k("komfile: 553361{1}\r\n"));
    file("name end missing", "bytes", k("komfile: 553|361{1}A 1|2{3}1|2{1}\r\n"));
    file("pair end missing", "bytes", k("komfile: 553|361{1}A{2}1|2 1|2{1}\r\n"));
    file("record end missing", "bytes", k("komfile: 553|361{1}A{2}1|2{3}1|2\r\n"));
    file("trailing blank", "bytes", k("komfile: 553|361{1}A{2}1|2{3}1|2{1} \r\n"));
    file("size huge", "bytes", k("komfile: 99999999999|361{1}\r\n"));
    file("size negative", "bytes", k("komfile: -553|361{1}\r\n"));
    file("size zero", "bytes", k("komfile: 553|0{1}\r\n"));
    file("size not whole", "bytes", k("komfile: 553.5|361{1}\r\n"));
    file("32,768 objects", "bytes", manyObjects(32768));
    file("name byte the code page lacks", "bytes", k("komfile: 553|361{1}St\x98l{2}1|2{3}1|2{1}"));
    file("name of 1,001 characters", "bytes",
        k("komfile: 553|361{1}") + QByteArray(1001, 'N') + k("{2}1|2{3}1|2{1}"));
    file("pair text of 65 characters", "bytes",
        k("komfile: 553|361{1}A{2}1|2{3}1|") + QByteArray(63, '2') + k("{1}"));

    const auto args = [](const char *row, const QStringList &argv, const QString &seen) {
        QTest::newRow(row) << Via::CommandLine << argv << QByteArray() << seen;
    };
    args("command line of blanks only", {"  ", " "}, "");
    args("command line quoted", {"\"{dir}/old.kom\""}, badFile);
    args("command line with two paths", {"{dir}/old.kom", "{dir}/old.kom"}, badFile);
    args("command line names a folder", {"{dir}"}, badFile);
    args("command line names a device", {"/dev/zero"}, badFile);

    const auto size = [](const char *row, Via via, const QStringList &texts, const QString &seen) {
        QTest::newRow(row) << via << texts << QByteArray() << seen;
    };
    size("room size letters", Via::RoomSize, {"abc", "300", "C"}, enterNumbers);
    size("room size empty", Via::RoomSize, {"", "300", "C"}, enterNumbers);
    size("room size 1e400", Via::RoomSize, {"1e400", "300", "C"}, enterNumbers);
    size("room size NaN", Via::RoomSize, {"300", "NaN", "C"}, enterNumbers);
    size("room size -0", Via::RoomSize, {"-0", "300", "C"}, roomLimits);
    size("room size 2^31", Via::RoomSize, {"2147483648", "300", "C"}, roomLimits);
    size("room size with a comma, C locale", Via::RoomSize, {"300,5", "300", "C"}, enterNumbers);
    size("room size with a point, Russian locale", Via::RoomSize, {"300.5", "300", "ru_RU"},
        enterNumbers);
    size("object size -0", Via::ObjectSize, {"-0", "30", "C"},
        QStringLiteral("Длина и ширина должны быть больше нуля!"));
    size("object size 2^31", Via::ObjectSize, {"30", "2147483648", "C"},
        QStringLiteral("При таком значении объекты налагаются друг на друга!"));
    size("object size NaN", Via::ObjectSize, {"nan", "30", "C"}, enterNumbers);

    const auto name = [](const char *row, const QString &typed, const QString &seen) {
        QTest::newRow(row) << Via::Name << QStringList {typed} << QByteArray() << seen;
    };
    name("name with control characters",
        QString("So\x01"
                "fa\x02\x03\t\x7f"),
        "Sofa");
    name("name outside the code page", QStringLiteral("Café Łóżko 桌 😀"),
        QStringLiteral("Café Łóżko 桌 😀"));
    name("name with text like a reference", "&#233; &#38; &#1078;", "&#233; &#38; &#1078;");
    name("name with a C1 control", QString::fromUtf16(u"Sofa\u0098\u0085"), "Sofa");
    name("name of blanks only", "   ", "   ");
    name("name of 1,000 characters", QString(1000, u'Ж'), QString(1000, u'Ж'));

    for (const Via via : {Via::Save, Via::Export}) {
        const char *what = via == Via::Save ? "save" : "export";
        for (const char *target :
            {"read-only folder", "full disk", "folder as target", "vanished folder"})
            QTest::addRow("%s to a %s", what, target)
                << via << QStringList {target} << QByteArray() << notSaved;
    }
}

void TestBadInputs::catalogue()
{
    QFETCH(Via, via);
    QFETCH(QStringList, input);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, seen);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString old = dir.filePath("old.kom");
    QVERIFY(put(old, oldRoom));

    FakeWindow window;
    ScriptedPrompts prompts;
    Editor editor(window, prompts);
    editor.load();
    editor.openKom(old);
    QCOMPARE(editor.table().count(), 3);
    // The last object current, as a save leaves it.
    editor.testpoz(325, 325);
    QCOMPARE(editor.table().selection(), 2);

    std::unique_ptr<TmpfsMount> mount;
    std::unique_ptr<NoRootReading> noRoot;
    QString path = dir.filePath("room.kom");
    const QString kind = input.value(0);
    if (via == Via::File) {
        if (kind == "bytes") {
            QVERIFY(put(path, bytes));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(path));
        } else if (kind == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(path), 0644), 0);
        } else if (kind == "unreadable") {
            QVERIFY(put(path, oldRoom));
            QVERIFY(QFile::setPermissions(path, {}));
        } else if (kind == "loop") {
            QCOMPARE(symlink("room.kom", QFile::encodeName(path)), 0);
        } else if (kind == "huge") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(oldRoom), oldRoom.size());
            QVERIFY(f.resize(64 * 1024 * 1024 + 1));
        }
    } else if (via == Via::Save || via == Via::Export) {
        const QString folder = dir.filePath("target");
        path = folder + (via == Via::Save ? "/old.kom" : "/old.bmp");
        if (kind == "read-only folder" || kind == "full disk") {
            mount = std::make_unique<TmpfsMount>(folder);
            if (!mount->mounted)
                QSKIP("cannot mount a tmpfs here (needs root with CAP_SYS_ADMIN)");
            QVERIFY(put(path, oldRoom));
            if (kind == "read-only folder") {
                QVERIFY(mount->readOnly());
            } else {
                QFile filler(folder + "/filler");
                QVERIFY(filler.open(QIODevice::WriteOnly));
                while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) { }
            }
        } else if (kind == "folder as target") {
            QVERIFY(QDir().mkpath(path));
        } else {
            // The folder the dialog showed was removed meanwhile.
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QDir(folder).removeRecursively());
        }
    }

    const Room before(editor);
    const QMap<QString, QByteArray> filesBefore = filesUnder(dir.path());
    switch (via) {
    case Via::File:
        if (kind == "unreadable" && geteuid() == 0)
            noRoot = std::make_unique<NoRootReading>();
        editor.openKom(path);
        noRoot.reset();
        break;
    case Via::CommandLine: {
        QByteArrayList argv {"plandex"};
        for (const QString &arg : input)
            argv << QFile::encodeName(QString(arg).replace("{dir}", dir.path()));
        std::vector<const char *> raw;
        for (const QByteArray &arg : argv)
            raw.push_back(arg.constData());
        editor.openCommandLine(commandLineText(int(raw.size()), raw.data()));
        break;
    }
    case Via::RoomSize:
    case Via::ObjectSize: {
        QLocale::setDefault(QLocale(input.value(2)));
        bool accepted = false;
        window.onSizeDialog = [&](const QString &, const QString &) {
            SizeDialog dialog(editor, prompts);
            dialog.W()->setText(input[0]);
            dialog.H()->setText(input[1]);
            dialog.Command1()->click();
            accepted = dialog.result() == QDialog::Accepted;
            // Refused numbers leave the dialog open with the texts as typed.
            if (!accepted) {
                QCOMPARE(dialog.W()->text(), input[0]);
                QCOMPARE(dialog.H()->text(), input[1]);
            }
        };
        if (via == Via::RoomSize) {
            editor.btnNew_Click();
        } else {
            editor.Rsiz_Click();
            editor.K_DblClick();
        }
        QCOMPARE(window.sizeDialogs.size(), 1);
        QCOMPARE(accepted, seen != enterNumbers);
        break;
    }
    case Via::Name:
        prompts.inputAnswers.push_back(input[0]);
        editor.K_MouseDown(buttons::left, 0, 400, 20);
        editor.K_MouseMove(buttons::left, 0, 450, 50);
        editor.K_MouseMove(buttons::left, 0, 500, 80);
        editor.K_MouseUp(buttons::left, 0, 500, 80);
        QCOMPARE(prompts.inputPrompts.size(), 1);
        break;
    case Via::Save:
        QVERIFY(!editor.saveKom(path));
        break;
    case Via::Export:
        QVERIFY(!editor.exportBmp(path));
        break;
    }

    // What the user sees.
    if (via == Via::Name) {
        QVERIFY(prompts.messages.isEmpty());
        QCOMPARE(editor.table().count(), 4);
        QCOMPARE(editor.table().name(3), seen);
    } else if (seen.isEmpty()) {
        QCOMPARE(prompts.messages, QStringList());
    } else {
        QCOMPARE(prompts.messages.size(), 1);
        if (via == Via::Save || via == Via::Export) {
            QVERIFY2(prompts.messages[0].startsWith(seen + " " + path + "\n"),
                qPrintable(prompts.messages[0]));
            // The system's reason follows, never an empty line.
            QVERIFY(prompts.messages[0].size() > seen.size() + path.size() + 2);
        } else {
            QCOMPARE(prompts.messages[0], seen);
        }
    }

    // Nothing lost.
    QCOMPARE(filesUnder(dir.path()), filesBefore);
    const Room after(editor);
    if (via == Via::Name) {
        QCOMPARE(after.rows.mid(0, 3), before.rows);
        QCOMPARE(after.size, before.size);
        // The name comes back from a file as the list shows it.
        const QString again = dir.filePath("again.kom");
        QVERIFY(editor.saveKom(again));
        FakeWindow otherWindow;
        ScriptedPrompts otherPrompts;
        Editor other(otherWindow, otherPrompts);
        other.openKom(again);
        QCOMPARE(otherPrompts.messages, QStringList());
        QCOMPARE(other.table().count(), 4);
        QCOMPARE(other.table().name(3), seen);
    } else if (via == Via::RoomSize) {
        // Asking for a new room always ends the selection; nothing else goes.
        QCOMPARE(after.rows, before.rows);
        QCOMPARE(after.size, before.size);
        QCOMPARE(after.selection, -1);
    } else {
        QCOMPARE(after.rows, before.rows);
        QCOMPARE(after.selection, before.selection);
        QCOMPARE(after.size, before.size);
        QCOMPARE(after.plan, before.plan);
    }
}

QTEST_MAIN(TestBadInputs)
#include "test_badinputs.moc"
