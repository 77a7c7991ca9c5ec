// Start-up time, resident memory and idle wake-ups of the real program,
// against a Qt window built here of the same kinds of widgets. Every
// measurement runs in a child process in a private Xvfb server of
// 1280 x 1024 (offscreen when there is none), with HOME and the XDG folders
// in a temporary folder; times are medians over several runs.
//
//   plandex_startbench PATH-TO-PLANDEX    the table
//   plandex_startbench --widgets          child: the plain Qt window
//   plandex_startbench --room N           child: the main window with N objects

#include "app/mainwindow.h"
#include "app/startupprobe.h"
#include "model/objecttable.h"
#include "support/privatefolders.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>

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

// What the main window is made of, with nothing of the editor behind it:
// a column of tool buttons with icons, a list, labels with text, and a
// black plan of the start size painted from an image.
class PlainPlan : public QFrame
{
public:
    explicit PlainPlan(QWidget *parent)
        : QFrame(parent)
        , m_plan(553, 361, QImage::Format_Indexed8)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        m_plan.setColorTable({qRgb(0, 0, 0), qRgb(0, 0, 255)});
        m_plan.fill(0);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        painter.drawImage(contentsRect().topLeft(), m_plan);
    }

private:
    QImage m_plan;
};

int widgetsWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("My Plandex");
    window.setFixedSize(703, 398);
    for (int i = 0; i < 8; ++i) {
        auto *button = new QToolButton(&window);
        button->setGeometry(8, 8 + i * 40, 33, 33);
        QPixmap icon(26, 24);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setBrush(QColor::fromHsv(i * 40, 200, 220));
        painter.drawRect(3, 3, 19, 17);
        painter.end();
        button->setIcon(QIcon(icon));
        button->setIconSize(icon.size());
        button->setToolTip(QString("Кнопка %1").arg(i + 1));
    }
    auto *list = new QListWidget(&window);
    list->setGeometry(48, 0, 81, 394);
    const QStringList texts {"553", "361", "https://example.org/plandex"};
    for (int i = 0; i < texts.size(); ++i)
        (new QLabel(texts[i], &window))->setGeometry(136 + i * 70, 0, 65, 17);
    auto *plan = new PlainPlan(&window);
    plan->setGeometry(134, 22, 557, 365);
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

    // A display of its own, of a common size: a large room's window is held
    // to the screen and its plan scrolls, as on most desks.
    QProcess xvfb;
    QString platform = "offscreen";
    for (int number = 150; number < 170 && platform == "offscreen"; ++number) {
        if (QFile::exists(QString("/tmp/.X%1-lock").arg(number)))
            continue;
        xvfb.start("Xvfb",
            {QString(":%1").arg(number), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
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

    std::vector<double> startPlandex, startWidgets, rssEmptyRoom, rssFullRoom;
    for (int i = 0; i < runs; ++i) {
        startPlandex.push_back(runChild(plandex, {}, "1", env).startupMs);
        startWidgets.push_back(runChild(self, {"--widgets"}, "1", env).startupMs);
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

    const double sp = median(startPlandex), sw = median(startWidgets);
    const double re = median(rssEmptyRoom), rf = median(rssFullRoom);
    std::printf("\nStart-up, memory and idle (child processes on %s of 1280x1024, median of %d "
                "runs)\n\n",
        platform == "xcb" ? "Xvfb" : "offscreen", runs);
    std::printf("  %-44s %10.1f ms\n", "start to window shown, plandex", sp);
    std::printf("  %-44s %10.1f ms\n", "start to window shown, Qt window alike", sw);
    std::printf("  %-44s %10.1f MB\n", "resident memory, empty start room", re / 1024);
    std::printf("  %-44s %10.1f MB\n", "resident memory, 32,767 objects in 1808x1631", rf / 1024);
    std::printf("  %-44s %10.0f\n", "timer events in 1 s idle", idle.timerEvents);
    std::printf("  %-44s %10.0f\n", "main-thread wake-ups in 1 s idle", idle.wakeups);

    std::printf("\nGoals\n");
    auto goal = [](const char *what, double value, double limit, const char *unit) {
        std::printf("  %-52s %8.2f%s (limit %.2f%s) %s\n", what, value, unit, limit, unit,
            value <= limit ? "PASS" : "OVER");
    };
    goal("start-up / Qt window of the same widgets", sp / sw, 1.05, "x");
    goal("memory 32,767 objects / empty start room", rf / re, 1.5, "x");
    goal("timer events while idle", idle.timerEvents, 0, "");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && qstrcmp(argv[1], "--widgets") == 0)
        return widgetsWindow(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--room") == 0)
        return roomWindow(argc, argv, atoi(argv[2]));
    if (argc != 2) {
        std::fprintf(stderr, "usage: plandex_startbench PATH-TO-PLANDEX\n");
        return 2;
    }
    return table(argc, argv);
}
