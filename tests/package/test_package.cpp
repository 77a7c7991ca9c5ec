#include "e2e/xsession.h"
#include "support/otherkompackage.h"
#include "support/scratchdir.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

// The Debian package: built by CPack from this build tree, unpacked with
// dpkg -x into a temporary root, and checked there.
class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsEveryFile_data();
    void holdsEveryFile();
    void control();
    void validators_data();
    void validators();
    void typeAndDefaultFromTheUnpackedShare();
    void unpackedProgramShowsTheMainWindow();
    void unpackedExportWritesASheetWithoutADisplay_data();
    void unpackedExportWritesASheetWithoutADisplay();

private:
    // Runs program; its standard output, or a note of its failure with
    // everything it printed.
    QString run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(PLANDEX_BUILD_DIR);
        p.start(program, arguments);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit
            || p.exitCode() != 0)
            return QString("%1 failed: %2%3")
                .arg(program, QString::fromUtf8(p.readAllStandardOutput()),
                    QString::fromUtf8(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    QString share(const QString &path) const { return m_root + "/usr/share/" + path; }

    ScratchDir m_dir;
    QString m_deb;
    QString m_root;
};

static const QString appId = PLANDEX_APP_ID;
static const QList<int> iconSizes {16, 22, 24, 32, 48, 64, 128, 256};

void TestPackage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString built = run("cpack", {"-G", "DEB", "-B", m_dir.path()});
    QVERIFY2(!built.contains(" failed: "), qPrintable(built));
    m_deb = m_dir.filePath(QString("plandex_%1_amd64.deb").arg(PLANDEX_VERSION));
    QVERIFY2(QFile::exists(m_deb), qPrintable(m_deb));
    m_root = m_dir.filePath("root");
    QCOMPARE(run("dpkg", {"-x", m_deb, m_root}), QString());
}

void TestPackage::holdsEveryFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("pngSize");

    const QStringList files {"../bin/plandex", "../bin/plandex-export",
        "man/man1/plandex-export.1.gz", "man/ru/man1/plandex-export.1.gz",
        "applications/" + appId + ".desktop", "mime/packages/" + appId + ".xml",
        "icons/hicolor/scalable/apps/" + appId + ".svg",
        "icons/hicolor/scalable/mimetypes/application-x-plandex-room.svg",
        "metainfo/" + appId + ".metainfo.xml", "man/man1/plandex.1.gz", "doc/plandex/copyright",
        "doc/plandex/changelog.gz", QString("../%1/plandex-svg.so").arg(PLANDEX_MODULE_DIR)};
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file << 0;
    for (const int size : iconSizes) {
        const QString dir = QString("icons/hicolor/%1x%1/").arg(size);
        QTest::addRow("%s", qPrintable(dir + "apps")) << dir + "apps/" + appId + ".png" << size;
        QTest::addRow("%s", qPrintable(dir + "mimetypes"))
            << dir + "mimetypes/application-x-plandex-room.png" << size;
    }
}

void TestPackage::holdsEveryFile()
{
    QFETCH(QString, path);
    QFETCH(int, pngSize);
    const QFileInfo file(share(path));
    QVERIFY2(file.isFile() && file.size() > 0, qPrintable(file.filePath()));
    if (pngSize > 0)
        QCOMPARE(QImage(file.filePath()).size(), QSize(pngSize, pngSize));
}

void TestPackage::control()
{
    QCOMPARE(run("dpkg-deb", {"-f", m_deb, "Package", "Version", "Architecture"}),
        QString("Package: plandex\nVersion: %1\nArchitecture: amd64").arg(PLANDEX_VERSION));
    const QString depends = run("dpkg-deb", {"-f", m_deb, "Depends"});
    // Qt's SVG library for the module that writes SVG sheets; the programs
    // themselves show their icons as PNGs and do not link it, so that no
    // start loads it.
    QVERIFY2(
        depends.contains("libqt6widgets6") && depends.contains("libqt6svg6"), qPrintable(depends));
    for (const char *program : {"plandex", "plandex-export"}) {
        const QString linked = run("objdump", {"-p", m_root + "/usr/bin/" + program});
        QVERIFY2(linked.contains("NEEDED") && !linked.contains("libQt6Svg"), qPrintable(linked));
    }
    // Qt's buttons and dialogs read Russian only with Qt's catalogue.
    QVERIFY2(depends.contains("qt6-translations-l10n"), qPrintable(depends));
    // No maintainer scripts: the databases' own triggers rebuild them.
    QCOMPARE(run("dpkg-deb", {"--ctrl-tarfile", m_deb}).contains("postinst"), false);

    QFile metainfo(share("metainfo/" + appId + ".metainfo.xml"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(metainfo.readAll());
    QVERIFY(text.contains(QString("<release version=\"%1\"").arg(PLANDEX_VERSION)));
    QVERIFY(text.contains("<project_license>MIT</project_license>"));
    QVERIFY(text.contains("<summary xml:lang=\"ru\">"));
}

void TestPackage::validators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("desktop-file-validate")
        << "desktop-file-validate" << QStringList {"share:applications/" + appId + ".desktop"};
    QTest::newRow("appstreamcli") << "appstreamcli"
                                  << QStringList {"validate", "--no-net",
                                         "share:metainfo/" + appId + ".metainfo.xml"};
    QTest::newRow("lintian") << "lintian" << QStringList {"--fail-on", "error", "deb:"};
}

void TestPackage::validators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    for (QString &a : arguments)
        a = a == "deb:" ? m_deb : a.startsWith("share:") ? share(a.mid(6)) : a;
    const QString out = run(program, arguments);
    QVERIFY2(!out.contains(" failed: "), qPrintable(out));
}

// What the databases' triggers do on installation, done here on the
// unpacked share/ alone, beside another package that claims *.kom.
void TestPackage::typeAndDefaultFromTheUnpackedShare()
{
    QFile rival(share("mime/packages/") + otherKomPackageName);
    QVERIFY(rival.open(QIODevice::WriteOnly) && rival.write(otherKomPackage) > 0);
    rival.close();
    QCOMPARE(run("update-mime-database", {share("mime")}), QString());
    QCOMPARE(run("update-desktop-database", {share("applications")}), QString());

    ScratchDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("XDG_DATA_DIRS", share(""));
    env.insert("XDG_CONFIG_DIRS", home.filePath("etc"));
    QCOMPARE(run("xdg-mime", {"query", "default", "application/x-plandex-room"}, env),
        appId + ".desktop");

    // xdg-mime asks GLib for a file's type only on a known desktop.
    env.insert("XDG_CURRENT_DESKTOP", "GNOME");
    const QString room = home.filePath("bedroom.kom");
    QFile file(room);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("komfile: 553 361");
    file.close();
    QCOMPARE(
        run("xdg-mime", {"query", "filetype", room}, env), QString("application/x-plandex-room"));
}

void TestPackage::unpackedProgramShowsTheMainWindow()
{
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp({}, {}, m_root + "/usr/bin/plandex"));
    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window != 0, "no window titled My Plandex");
    QCOMPARE(x.geometry(window).size(), QSize(703, 398));
}

void TestPackage::unpackedExportWritesASheetWithoutADisplay_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("page"); // as the file itself says

    QTest::newRow("pdf") << "pdf"
                         << R"(/MediaBox \[0 0 842[.0]* 595[.0]*\])";
    // From the SVG module in the private library folder.
    QTest::newRow("svg") << "svg"
                         << R"(<svg width="297[.\d]*mm" height="209[.\d]*mm")";
}

void TestPackage::unpackedExportWritesASheetWithoutADisplay()
{
    QFETCH(QString, suffix);
    QFETCH(QString, page);
    ScratchDir dir;
    const QString room = dir.filePath("спальня.kom");
    QFile file(room);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("komfile: 300|200\x01\r\n");
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    const QString out = dir.filePath("спальня." + suffix);
    QCOMPARE(
        run(m_root + "/usr/bin/plandex-export", {room, out, "--scale", "1:50"}, env), QString());
    QFile sheet(out);
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(sheet.readAll());
    QVERIFY2(text.contains(QRegularExpression(page)), qPrintable(text.left(2000)));
}

QTEST_MAIN(TestPackage)
#include "test_package.moc"
