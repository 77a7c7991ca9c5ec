#include "app/startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace plandex {

namespace {

qint64 clockNs(clockid_t clock)
{
    timespec ts {};
    clock_gettime(clock, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

// Field 22 of /proc/self/stat: the start in clock ticks after boot.
double msSinceProcessStart()
{
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The command name in parentheses may hold blanks: count after it.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startMs = fields[19].toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK));
    return double(clockNs(CLOCK_BOOTTIME)) / 1e6 - startMs;
}

qint64 statusValue(const char *key)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

class Probe : public QObject
{
public:
    Probe(QWidget &window, bool idle)
        : QObject(&window)
        , m_idle(idle)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && m_counting && watched != &m_end)
            ++m_timerEvents;
        if (event->type() == QEvent::Paint && !m_shown) {
            m_shown = true;
            // After this paint has reached the screen.
            QTimer::singleShot(0, this, [this] { shown(); });
        }
        return false;
    }

private:
    void shown()
    {
        std::printf("startup_ms=%.1f shown_ns=%lld rss_kb=%lld", msSinceProcessStart(),
            clockNs(CLOCK_MONOTONIC), statusValue("VmRSS:"));
        if (!m_idle) {
            std::printf("\n");
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        m_switches = statusValue("voluntary_ctxt_switches:");
        QCoreApplication::instance()->installEventFilter(this);
        m_counting = true;
        m_end.setSingleShot(true);
        connect(&m_end, &QTimer::timeout, this, [this] {
            m_counting = false;
            // The end timer's own wake-up is not idle activity.
            const qint64 wakeups = statusValue("voluntary_ctxt_switches:") - m_switches - 1;
            std::printf(" idle_timer_events=%d idle_wakeups=%lld\n", m_timerEvents, wakeups);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        m_end.start(1000);
    }

    bool m_idle;
    bool m_shown = false;
    bool m_counting = false;
    int m_timerEvents = 0;
    qint64 m_switches = 0;
    QTimer m_end;
};

} // namespace

void armStartupProbe(QWidget &window)
{
    const QByteArray mode = qgetenv("PLANDEX_STARTUP_PROBE");
    if (mode.isEmpty())
        return;
    new Probe(window, mode == "idle");
}

} // namespace plandex
