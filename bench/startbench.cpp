// Start-up time, resident memory and idle wake-ups of the real program,
// against an empty Qt main window built here. Every measurement runs in a
// child process in a private Xvfb server (offscreen when there is none),
// with HOME and the XDG folders in a temporary folder; times are medians
// over several runs.
//
//   plandex_startbench PATH-TO-PLANDEX    the table
//   plandex_startbench --empty            child: an empty QMainWindow
//   plandex_startbench --room N           child: the main window with N objects

#include "app/mainwindow.h"
#include "app/startupprobe.h"
#include "model/objecttable.h"
#include "support/privatefolders.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int runs = 11;

qint64 monotonicNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

int emptyWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    plandex::armStartupProbe(window);
    window.show();
    return app.exec();
}

// The room of the editing benchmark: 8 x 8 objects one pixel apart.
int roomWindow(int argc, char **argv, int count)
{
    QApplication app(argc, argv);
    plandex::MainWindow window;
    plandex::Editor &e = window.editor();
    if (count > 0) {
        const int cols = int(std::ceil(std::sqrt(double(count))));
        e.K().resize({cols * 9 + 170, (count + cols - 1) / cols * 9 + 2});
        e.ProvForm();
        for (int i = 0; i < count; ++i) {
            const int l = 1 + (i % cols) * 9, t = 1 + (i / cols) * 9;
            e.table().append(QString("Объект %1").arg(i + 1), QString("%1|%2").arg(l).arg(l + 7),
                QString("%1|%2").arg(t).arg(t + 7));
        }
        e.OBNOV();
    }
    plandex::armStartupProbe(window);
    window.show();
    return app.exec();
}

struct Report {
    double startupMs = NAN;
    double rssKb = NAN;
    double timerEvents = NAN;
    double wakeups = NAN;
};

Report runChild(const QString &program, const QStringList &args, const char *mode,
    const QProcessEnvironment &base)
{
    QProcessEnvironment env = base;
    env.insert("PLANDEX_STARTUP_PROBE", mode);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 t0 = monotonicNs();
    child.start(program, args);
    Report r;
    if (!child.waitForFinished(30'000)) {
        child.kill();
        child.waitForFinished();
        return r;
    }
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    auto value = [&](const char *key) {
        const auto m = QRegularExpression(QString(key) + "=(-?[0-9.]+)").match(out);
        return m.hasMatch() ? m.captured(1).toDouble() : NAN;
    };
    r.startupMs = (value("shown_ns") - double(t0)) / 1e6;
    r.rssKb = value("rss_kb");
    r.timerEvents = value("idle_timer_events");
    r.wakeups = value("idle_wakeups");
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? NAN : v[v.size() / 2];
}

int table(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString plandex = QString::fromLocal8Bit(argv[1]);
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto &[variable, folder] : privateFolders(home.path()))
        env.insert(variable, folder);

    // A display of its own, large enough for the biggest window.
    QProcess xvfb;
    QString platform = "offscreen";
    for (int number = 150; number < 170 && platform == "offscreen"; ++number) {
        if (QFile::exists(QString("/tmp/.X%1-lock").arg(number)))
            continue;
        xvfb.start("Xvfb",
            {QString(":%1").arg(number), "-screen", "0", "2048x2048x24", "-nolisten", "tcp"});
        if (!xvfb.waitForStarted(3000))
            break;
        QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired() && xvfb.state() == QProcess::Running
            && !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)))
            QThread::msleep(20);
        if (xvfb.state() == QProcess::Running) {
            QThread::msleep(200);
            platform = "xcb";
            env.insert("DISPLAY", QString(":%1").arg(number));
        }
    }
    env.insert("QT_QPA_PLATFORM", platform);
    env.remove("WAYLAND_DISPLAY");

    std::vector<double> startPlandex, startEmpty, rssEmptyRoom, rssFullRoom;
    for (int i = 0; i < runs; ++i) {
        startPlandex.push_back(runChild(plandex, {}, "1", env).startupMs);
        startEmpty.push_back(runChild(self, {"--empty"}, "1", env).startupMs);
    }
    for (int i = 0; i < 3; ++i) {
        rssEmptyRoom.push_back(runChild(self, {"--room", "0"}, "1", env).rssKb);
        rssFullRoom.push_back(runChild(self, {"--room", "32767"}, "1", env).rssKb);
    }
    const Report idle = runChild(plandex, {}, "idle", env);
    if (xvfb.state() == QProcess::Running) {
        xvfb.terminate();
        xvfb.waitForFinished(3000);
    }

    const double sp = median(startPlandex), se = median(startEmpty);
    const double re = median(rssEmptyRoom), rf = median(rssFullRoom);
    std::printf("\nStart-up, memory and idle (child processes on %s, median of %d runs)\n\n",
        platform == "xcb" ? "Xvfb" : "offscreen", runs);
    std::printf("  %-44s %10.1f ms\n", "start to window shown, plandex", sp);
    std::printf("  %-44s %10.1f ms\n", "start to window shown, empty Qt main window", se);
    std::printf("  %-44s %10.1f MB\n", "resident memory, empty start room", re / 1024);
    std::printf("  %-44s %10.1f MB\n", "resident memory, 32,767 objects in 1808x1631", rf / 1024);
    std::printf("  %-44s %10.0f\n", "timer events in 1 s idle", idle.timerEvents);
    std::printf("  %-44s %10.0f\n", "main-thread wake-ups in 1 s idle", idle.wakeups);

    std::printf("\nGoals\n");
    auto goal = [](const char *what, double value, double limit, const char *unit) {
        std::printf("  %-52s %8.2f%s (limit %.2f%s) %s\n", what, value, unit, limit, unit,
            value <= limit ? "PASS" : "OVER");
    };
    goal("start-up / empty Qt window", sp / se, 1.1, "x");
    goal("memory 32,767 objects / empty start room", rf / re, 1.5, "x");
    goal("timer events while idle", idle.timerEvents, 0, "");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--empty") == 0)
        return emptyWindow(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--room") == 0)
        return roomWindow(argc, argv, atoi(argv[2]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: plandex_startbench PATH-TO-PLANDEX\n");
        return 2;
    }
    return table(argc, argv);
}
