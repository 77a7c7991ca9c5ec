#include "support/scratchdir.h"
#include "xsession.h"

#include <QFile>
#include <QTest>

// The program makes room files its own on the desktop at every start.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void aCopyStartedElsewhereTakesOverRoomFiles();
    void startsWhenNothingCanBeRegistered();

private:
    static QString entryOf(const XSession &x)
    {
        QFile f(x.home() + "/.local/share/applications/example.plandex.Plandex.desktop");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    static bool stop(XSession &x)
    {
        x.app().kill();
        return x.app().waitForFinished(5000);
    }
};

void TestDesktop::aCopyStartedElsewhereTakesOverRoomFiles()
{
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    QVERIFY(x.startApp());
    QVERIFY(x.waitForWindow("^My Plandex$") != 0);
    QTRY_VERIFY(entryOf(x).contains("\nExec=" + XSession::builtProgram() + " %f\n"));
    QVERIFY(stop(x));

    ScratchDir dir;
    const QString copy = dir.filePath("Другая папка/plandex-копия");
    QVERIFY(QDir().mkpath(dir.filePath("Другая папка")));
    QVERIFY(QFile::copy(XSession::builtProgram(), copy));
    QVERIFY(x.startApp({}, {}, copy));
    QVERIFY(x.waitForWindow("^My Plandex$") != 0);
    QTRY_VERIFY(entryOf(x).contains("\nExec=\"" + copy + "\" %f\n"));
    QVERIFY(!entryOf(x).contains(XSession::builtProgram()));
    QVERIFY(stop(x));
}

void TestDesktop::startsWhenNothingCanBeRegistered()
{
    XSession x;
    QVERIFY2(x.start(), "Xvfb did not start");
    // Files where the data and config folders should be, and no database
    // tools on PATH.
    ScratchDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QProcessEnvironment env;
    env.insert("XDG_DATA_HOME", blocker.fileName());
    env.insert("XDG_CONFIG_HOME", blocker.fileName());
    env.insert("PATH", dir.filePath("no-tools"));
    QVERIFY(x.startApp({}, env));

    const quint64 window = x.waitForWindow("^My Plandex$");
    QVERIFY2(window != 0, "no main window");
    QCOMPARE(x.geometry(window).size(), QSize(703, 398));
    QCOMPARE(QFileInfo(blocker.fileName()).size(), 0);
    QCOMPARE(x.app().state(), QProcess::Running);
    QVERIFY(stop(x));
}

QTEST_MAIN(TestDesktop)
#include "test_e2e_desktop.moc"
