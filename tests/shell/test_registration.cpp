#include "app/mainwindow.h"
#include "shell/filetyperegistration.h"
#include "shell/mimeappslist.h"
#include "shell/roomfiletype.h"
#include "support/fakewindow.h"
#include "support/filebytes.h"
#include "support/otherkompackage.h"
#include "support/scratchdir.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace plandex;

// The room-file type on the desktop, against temporary XDG folders.
class TestRegistration : public QObject
{
    Q_OBJECT

private slots:
    void writesTheFilesOnceAndFollowsTheProgram();
    void mimeappsListKeepsOtherLines_data();
    void mimeappsListKeepsOtherLines();
    void listChangedMeanwhileIsMergedAgain_data();
    void listChangedMeanwhileIsMergedAgain();
    void execSurvivesDesktopTools_data();
    void execSurvivesDesktopTools();
    void pathsNoExecLineCanHoldRegisterNothing_data();
    void pathsNoExecLineCanHoldRegisterNothing();
    void aFifoAtARegistrationPathDoesNotBlock_data();
    void aFifoAtARegistrationPathDoesNotBlock();
    void staleCacheIsRebuilt_data();
    void staleCacheIsRebuilt();
    void xdgMimeNamesTheTypeAndTheEntry();
    void aDefaultSetAnywhereStays_data();
    void aDefaultSetAnywhereStays();
    void failuresAreSilent_data();
    void failuresAreSilent();
    void mainWindowRegistersAtLoad();

private:
    static bool write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    // The Exec line as a desktop entry reader takes it: key-file escapes,
    // then quoting, then field codes, with file in place of %f.
    static QStringList execArgv(const QString &value, const QString &file)
    {
        QString exec;
        for (qsizetype i = 0; i < value.size(); ++i) {
            const QChar c = value[i];
            if (c != u'\\' || i + 1 == value.size()) {
                exec += c;
                continue;
            }
            const QChar e = value[++i];
            exec += e == u's' ? u' '
                : e == u'n'   ? u'\n'
                : e == u't'   ? u'\t'
                : e == u'r'   ? u'\r'
                              : e;
        }
        QStringList argv;
        QString arg;
        bool quoted = false, started = false;
        for (qsizetype i = 0; i < exec.size(); ++i) {
            const QChar c = exec[i];
            if (quoted && c == u'\\' && i + 1 < exec.size()
                && QStringLiteral("\"`$\\").contains(exec[i + 1]))
                arg += exec[++i];
            else if (c == u'"')
                quoted = !quoted, started = true;
            else if (c == u' ' && !quoted) {
                if (started)
                    argv.append(arg);
                arg.clear();
                started = false;
            } else
                arg += c, started = true;
        }
        if (started)
            argv.append(arg);
        for (QString &a : argv) {
            QString expanded;
            for (qsizetype i = 0; i < a.size(); ++i) {
                if (a[i] != u'%' || i + 1 == a.size())
                    expanded += a[i];
                else if (a[++i] == u'%')
                    expanded += u'%';
                else if (a[i] == u'f')
                    expanded += file;
            }
            a = expanded;
        }
        return argv;
    }
    // Runs a tool in folders' setting; its standard output, or a note of
    // its failure.
    static QString run(const QString &program, const QStringList &arguments,
        const XdgFolders &folders, const QString &home)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", folders.dataHome);
        env.insert("XDG_CONFIG_HOME", folders.configHome);
        env.insert("XDG_DATA_DIRS", "/usr/share");
        env.insert("XDG_CONFIG_DIRS", "/etc/xdg");
        // xdg-mime asks GLib (gio) for a file's type only on a known
        // desktop; without one it asks file(1), which knows no MIME
        // database.
        env.insert("XDG_CURRENT_DESKTOP", "GNOME");
        p.setProcessEnvironment(env);
        p.start(program, arguments);
        if (!p.waitForFinished(20000) || p.exitCode() != 0)
            return QString("%1 failed: %2")
                .arg(program, QString::fromLocal8Bit(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
};

void TestRegistration::writesTheFilesOnceAndFollowsTheProgram()
{
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    const QString entry = folders.dataHome + "/applications/example.plandex.Plandex.desktop";
    const QString package = folders.dataHome + "/mime/packages/example.plandex.Plandex.xml";
    const QString appIcon
        = folders.dataHome + "/icons/hicolor/scalable/apps/example.plandex.Plandex.svg";
    const QString roomIcon
        = folders.dataHome + "/icons/hicolor/scalable/mimetypes/application-x-plandex-room.svg";
    const QString list = folders.configHome + "/mimeapps.list";

    QStringList written = registerFileType("/opt/rooms/plandex", folders);
    written.sort();
    QStringList all {entry, package, appIcon, roomIcon, list};
    all.sort();
    QCOMPARE(written, all);

    const QString desktop = QString::fromUtf8(contentOf(entry));
    QVERIFY(desktop.startsWith("[Desktop Entry]\n"));
    QVERIFY(desktop.contains("\nExec=/opt/rooms/plandex %f\n"));
    QVERIFY(desktop.contains("\nMimeType=application/x-plandex-room;\n"));
    QVERIFY(desktop.contains("\nIcon=example.plandex.Plandex\n"));
    const QString mime = QString::fromUtf8(contentOf(package));
    QVERIFY(mime.contains("<mime-type type=\"application/x-plandex-room\">"));
    QVERIFY(mime.contains("<glob pattern=\"*.kom\" weight=\"60\"/>"));
    QVERIFY(mime.contains("<comment>Apartment interior file</comment>\n"
                          "    <comment xml:lang=\"ru\">Файл интерьера квартиры</comment>"));
    QVERIFY(mime.contains("<icon name=\"application-x-plandex-room\"/>"));
    QCOMPARE(contentOf(appIcon), contentOf(":/icons/plandex.svg"));
    QCOMPARE(contentOf(roomIcon), contentOf(":/icons/kom-document.svg"));
    QVERIFY(contentOf(appIcon).startsWith("<svg"));
    QCOMPARE(contentOf(list),
        QByteArray("[Default Applications]\n"
                   "application/x-plandex-room=example.plandex.Plandex.desktop;\n"));

    // The next start finds everything in place and touches nothing.
    const QDateTime stamp = QFileInfo(entry).lastModified();
    QCOMPARE(registerFileType("/opt/rooms/plandex", folders), QStringList());
    QCOMPARE(QFileInfo(entry).lastModified(), stamp);

    // A copy elsewhere re-points the entry, and only the entry.
    QCOMPARE(registerFileType("/home/me/plandex2", folders), QStringList {entry});
    QVERIFY(contentOf(entry).contains("\nExec=/home/me/plandex2 %f\n"));
}

void TestRegistration::mimeappsListKeepsOtherLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    const QByteArray ours = "application/x-plandex-room=example.plandex.Plandex.desktop;";
    QTest::newRow("no file") << QByteArray() << "[Default Applications]\n" + ours + "\n";
    QTest::newRow("other group only, no final newline")
        << QByteArray("[Added Associations]\ntext/plain=gedit.desktop;")
        << "[Added Associations]\ntext/plain=gedit.desktop;\n\n[Default Applications]\n" + ours
            + "\n";
    QTest::newRow("group followed by another group")
        << QByteArray("[Default Applications]\ntext/plain=vim.desktop;\n\n"
                      "[Added Associations]\napplication/x-plandex-room=other.desktop;\n")
        << "[Default Applications]\ntext/plain=vim.desktop;\n" + ours
            + "\n\n[Added Associations]\napplication/x-plandex-room=other.desktop;\n";
    QTest::newRow("an empty default, CR LF and blanks around the key")
        << QByteArray("[Default Applications]\r\ntext/plain=vim.desktop;\r\n"
                      "application/x-plandex-room = ;\r\n")
        << "[Default Applications]\r\ntext/plain=vim.desktop;\r\n" + ours + "\r\n";
    // The user's choice stays, and so does ours as the user wrote it.
    const QByteArray kept;
    const QByteArray group = "[Default Applications]\n";
    QTest::newRow("another program has the type")
        << group + "# mine\napplication/x-plandex-room=other.desktop;\nimage/png=gimp.desktop;\n"
        << kept;
    QTest::newRow("another program first, ours after")
        << group + "application/x-plandex-room=other.desktop;" + ours + "\n"
        << kept;
    QTest::newRow("CR LF and blanks around another program")
        << QByteArray("[Default Applications]\r\napplication/x-plandex-room = other.desktop\r\n")
        << kept;
    QTest::newRow("already ours") << group + ours + "\n" << kept;
    QTest::newRow("ours first of several")
        << group + "application/x-plandex-room = example.plandex.Plandex.desktop;x.desktop\n"
        << kept;
    QTest::newRow("a longer type is another type")
        << QByteArray("[Default Applications]\napplication/x-plandex-room-old=x.desktop;\n")
        << "[Default Applications]\napplication/x-plandex-room-old=x.desktop;\n" + ours + "\n";
}

void TestRegistration::mimeappsListKeepsOtherLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QCOMPARE(withDefaultApplication(before, roomMimeType, desktopFileName),
        after.isNull() ? before : after);
}

void TestRegistration::listChangedMeanwhileIsMergedAgain_data()
{
    QTest::addColumn<QByteArray>("meanwhile");
    QTest::addColumn<bool>("everyTime");

    QTest::newRow("another type's default") << QByteArray("image/png=gimp.desktop;\n") << false;
    QTest::newRow("the user's choice for the type")
        << QByteArray("application/x-plandex-room=other.desktop;\n") << false;
    QTest::newRow("a list that never settles") << QByteArray("image/png=gimp.desktop;\n") << true;
}

// Another program adds its line while ours is written: its line stays, and
// ours is merged into its version, or left out while the list keeps changing.
void TestRegistration::listChangedMeanwhileIsMergedAgain()
{
    QFETCH(QByteArray, meanwhile);
    QFETCH(bool, everyTime);
    ScratchDir dir;
    const QString list = dir.filePath("mimeapps.list");
    QVERIFY(put(list, "[Default Applications]\ntext/plain=vim.desktop;\n"));
    int calls = 0;
    QByteArray theirs;
    setDefaultApplication(list, roomMimeType, desktopFileName, [&] {
        if (calls++ == 0 || everyTime) {
            theirs = contentOf(list) + meanwhile;
            put(list, theirs);
        }
    });
    QCOMPARE(contentOf(list),
        everyTime ? theirs : withDefaultApplication(theirs, roomMimeType, desktopFileName));
    QVERIFY(calls <= 10);
}

void TestRegistration::execSurvivesDesktopTools_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("plain") << "bin";
    QTest::newRow("blanks") << "My Programs/Plandex 2";
    QTest::newRow("double quotes") << "the \"best\" one";
    QTest::newRow("apostrophe") << "John's";
    QTest::newRow("dollar") << "$HOME and ${PATH}";
    QTest::newRow("backslashes") << "back\\slash\\\\twice";
    QTest::newRow("backquote and shell signs") << "`id`;&|<>*?#()~";
    QTest::newRow("quotes and backslashes together") << "a\\\"b'\\$`";
    QTest::newRow("Cyrillic") << "Мои программы";
}

// desktop-file-validate accepts the entry; read back, its Exec runs exactly
// our program with the room file as its one argument, and so does GLib's
// launcher (gio launch).
void TestRegistration::execSurvivesDesktopTools()
{
    QFETCH(QString, folder);
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    const QString program = dir.filePath(folder) + "/plandex";
    QVERIFY(write(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$ARGS_OUT\"\n"));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(!registerFileType(program, folders).isEmpty());
    const QString entry = folders.dataHome + "/applications/" + desktopFileName;

    QProcess validate;
    validate.start("desktop-file-validate", {entry});
    QVERIFY(validate.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(validate.readAllStandardOutput() + validate.readAllStandardError()),
        QString());
    QCOMPARE(validate.exitCode(), 0);

    const QString room = dir.filePath("a room $x \"y\".kom");
    const QString desktop = QString::fromUtf8(contentOf(entry));
    const qsizetype exec = desktop.indexOf("\nExec=") + 6;
    QCOMPARE(execArgv(desktop.mid(exec, desktop.indexOf(u'\n', exec) - exec), room),
        QStringList({program, room}));
    const QString out = dir.filePath("args.txt");
    QProcess launch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ARGS_OUT", out);
    env.insert("XDG_DATA_HOME", folders.dataHome);
    launch.setProcessEnvironment(env);
    launch.start("gio", {"launch", entry, room});
    QVERIFY(launch.waitForFinished(20000));
    QCOMPARE(launch.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(out).size() > 0, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(
        QString::fromUtf8(contentOf(out)), program + "\n" + room + "\n", 5000);
}

void TestRegistration::pathsNoExecLineCanHoldRegisterNothing_data()
{
    QTest::addColumn<QString>("program");

    QTest::newRow("empty: a deleted program") << QString();
    QTest::newRow("not valid in the file system's encoding")
        << QFile::decodeName("/opt/\xff\xfe/plandex");
    QTest::newRow("relative") << "bin/plandex";
    QTest::newRow("percent") << "/opt/100% %f %%u/plandex";
    QTest::newRow("newline") << "/opt/a\nb/plandex";
    QTest::newRow("delete") << "/opt/a\x7f/plandex";
    QTest::newRow("C1 control") << QString("/opt/a") + QChar(0x85) + "/plandex";
    QTest::newRow("equals sign in the program's name") << "/opt/a=b/plandex";
}

void TestRegistration::pathsNoExecLineCanHoldRegisterNothing()
{
    QFETCH(QString, program);
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    QCOMPARE(registerFileType(program, folders), QStringList());
    QVERIFY(!QFileInfo::exists(folders.dataHome));
    QVERIFY(!QFileInfo::exists(folders.configHome));
}

void TestRegistration::aFifoAtARegistrationPathDoesNotBlock_data()
{
    QTest::addColumn<QString>("fifo");

    QTest::newRow("mimeapps.list") << "config/mimeapps.list";
    QTest::newRow("desktop entry") << "data/applications/example.plandex.Plandex.desktop";
    QTest::newRow("MIME package") << "data/mime/packages/example.plandex.Plandex.xml";
    QTest::newRow("application icon")
        << "data/icons/hicolor/scalable/apps/example.plandex.Plandex.svg";
    QTest::newRow("room-file icon")
        << "data/icons/hicolor/scalable/mimetypes/application-x-plandex-room.svg";
    QTest::newRow("a package the MIME tool reads") << "data/mime/packages/other.xml";
    QTest::newRow("an entry the desktop tool reads") << "data/applications/old/other.desktop";
}

void TestRegistration::aFifoAtARegistrationPathDoesNotBlock()
{
    QFETCH(QString, fifo);
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    const QString path = dir.filePath(fifo);
    const QByteArray name = QFile::encodeName(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QCOMPARE(::mkfifo(name.constData(), 0600), 0);

    QStringList done;
    const std::unique_ptr<QThread> worker(
        QThread::create([&] { done = registerFileType("/opt/rooms/plandex", folders); }));
    worker->start();
    const bool blocked = !worker->wait(QDeadlineTimer(10000));
    // A reader stuck on the fifo is let go by a writer that comes and goes;
    // opening without blocking, the test never waits for a reader itself.
    while (!worker->wait(QDeadlineTimer(50))) {
        const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
    }
    QVERIFY2(!blocked, "the registration waited for a writer to the fifo");
    QVERIFY(!done.contains(path));
    struct stat st;
    QVERIFY(::stat(name.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
}

void TestRegistration::staleCacheIsRebuilt_data()
{
    QTest::addColumn<QString>("cache");
    QTest::addColumn<QString>("source");

    QTest::newRow("MIME database") << "mime/mime.cache"
                                   << "mime/packages/example.plandex.Plandex.xml";
    QTest::newRow("desktop database") << "applications/mimeinfo.cache"
                                      << "applications/example.plandex.Plandex.desktop";
    QTest::newRow("icon cache")
        << "icons/hicolor/icon-theme.cache"
        << "icons/hicolor/scalable/mimetypes/application-x-plandex-room.svg";
}

// As after a start stopped between writing our files and running the
// tools: the cache predates our file.
void TestRegistration::staleCacheIsRebuilt()
{
    QFETCH(QString, cache);
    QFETCH(QString, source);
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    QFile file(folders.dataHome + "/" + cache);
    QVERIFY(!registerFileType("/opt/rooms/plandex", folders).isEmpty());
    // An icon cache is the user's own: never made, only kept up to date.
    if (!file.exists())
        QCOMPARE(run("gtk-update-icon-cache", {"-q", "-t", QFileInfo(file).absolutePath()}, folders,
                     dir.path()),
            QString());
    const QDateTime built = QFileInfo(file).lastModified();
    QCOMPARE(registerFileType("/opt/rooms/plandex", folders), QStringList());
    QCOMPARE(QFileInfo(file).lastModified(), built);

    const QDateTime written = QFileInfo(folders.dataHome + "/" + source).lastModified();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.setFileTime(written.addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(registerFileType("/opt/rooms/plandex", folders), QStringList());
    QVERIFY(QFileInfo(file).lastModified() >= written);
}

// Another package beside ours that claims *.kom with the default weight
// does not take room files over.
void TestRegistration::xdgMimeNamesTheTypeAndTheEntry()
{
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    QVERIFY(write(folders.dataHome + "/mime/packages/" + otherKomPackageName, otherKomPackage));
    // Any program that exists will do; xdg-mime checks that it does.
    registerFileType(QCoreApplication::applicationFilePath(), folders);
    QVERIFY(QFile::exists(folders.dataHome + "/mime/mime.cache"));

    const QString room = dir.filePath("kitchen.kom");
    QVERIFY(write(room, "komfile: 553 361"));
    QCOMPARE(run("xdg-mime", {"query", "filetype", room}, folders, dir.path()),
        QString("application/x-plandex-room"));
    QCOMPARE(
        run("xdg-mime", {"query", "default", "application/x-plandex-room"}, folders, dir.path()),
        QString("example.plandex.Plandex.desktop"));
}

void TestRegistration::aDefaultSetAnywhereStays_data()
{
    // A list the desktop looks in, under the folders config, data (the
    // homes), etc and share (the system's), its text, and whether ours is
    // made the default in config/mimeapps.list.
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("ours");

    const QByteArray other = "[Default Applications]\napplication/x-plandex-room=other.desktop;\n";
    const QByteArray removed
        = "[Removed Associations]\napplication/x-plandex-room=example.plandex.Plandex.desktop;\n";
    QTest::newRow("in the data home, the older place")
        << "data/applications/mimeapps.list" << other << false;
    QTest::newRow("in a desktop's own list") << "config/kde-mimeapps.list" << other << false;
    QTest::newRow("in the system's configuration") << "etc/mimeapps.list" << other << false;
    QTest::newRow("in the system's data") << "share/applications/mimeapps.list" << other << false;
    QTest::newRow("ours removed") << "config/mimeapps.list" << removed << false;
    QTest::newRow("ours removed in the data home")
        << "data/applications/mimeapps.list" << removed << false;
    QTest::newRow("another program removed")
        << "config/mimeapps.list" << QByteArray(removed).replace("example", "other") << true;
    QTest::newRow("an empty default")
        << "share/applications/mimeapps.list"
        << QByteArray("[Default Applications]\napplication/x-plandex-room=\n") << true;
    QTest::newRow("a default of another desktop") << "config/gnome-mimeapps.list" << other << true;
    // 64 MiB of empty lines once cost gigabytes and seconds at every start.
    QTest::newRow("a list larger than any real one")
        << "config/mimeapps.list" << QByteArray(maxMimeappsListSize + 1, '\n') << false;
}

void TestRegistration::aDefaultSetAnywhereStays()
{
    QFETCH(QString, list);
    QFETCH(QByteArray, text);
    QFETCH(bool, ours);
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config"), {dir.filePath("etc")},
        {dir.filePath("share")}, {"KDE"}};
    QVERIFY(write(dir.filePath(list), text));

    const QStringList done = registerFileType("/usr/bin/plandex", folders);
    const QString userList = dir.filePath("config/mimeapps.list");
    QCOMPARE(done.contains(userList), ours);
    QCOMPARE(contentOf(userList).contains(
                 "[Default Applications]\napplication/x-plandex-room=example.plandex.Plandex"),
        ours);
    if (!ours)
        QCOMPARE(contentOf(dir.filePath(list)), text);
}

void TestRegistration::failuresAreSilent_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<int>("written");

    // Running as root, permissions block nothing; a plain file standing
    // where a folder should be does.
    QTest::newRow("data folder cannot be made") << "data" << 1;
    QTest::newRow("config folder cannot be made") << "config" << 4;
    QTest::newRow("mimeapps.list cannot be read") << "config/mimeapps.list" << 4;
    QTest::newRow("no database tools on PATH") << "" << 5;
}

void TestRegistration::failuresAreSilent()
{
    QFETCH(QString, blocked);
    QFETCH(int, written);
    ScratchDir dir;
    const XdgFolders folders {dir.filePath("data"), dir.filePath("config")};
    if (blocked.endsWith(".list"))
        QVERIFY(QDir().mkpath(dir.filePath(blocked)));
    else if (!blocked.isEmpty())
        QVERIFY(write(dir.filePath(blocked), "not a folder"));

    const QByteArray path = qgetenv("PATH");
    if (blocked.isEmpty())
        qputenv("PATH", QFile::encodeName(dir.filePath("empty")));
    const QStringList done = registerFileType("/usr/bin/plandex", folders);
    qputenv("PATH", path);

    QCOMPARE(done.size(), written);
    if (!blocked.isEmpty())
        QVERIFY(!done.contains(dir.filePath(blocked)));
    if (blocked.endsWith(".list"))
        QVERIFY(QFileInfo(dir.filePath(blocked)).isDir());
}

void TestRegistration::mainWindowRegistersAtLoad()
{
    // The private home of every test program (tests/support/privatehome).
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    QVERIFY(dataHome.contains("plandex-test-home"));
    const QString entry = dataHome + "/applications/example.plandex.Plandex.desktop";
    QFile::remove(entry);

    ScriptedPrompts prompts;
    MainWindow w(&prompts);
    QCOMPARE(w.editor().state().tmpStr, QString("Plandex_file"));
    // Registered on a worker thread.
    QTRY_VERIFY(contentOf(entry).contains(
        "\nExec=" + QFile::encodeName(QCoreApplication::applicationFilePath()) + " %f\n"));
    QVERIFY(prompts.messages.isEmpty());
}

QTEST_MAIN(TestRegistration)
#include "test_registration.moc"
