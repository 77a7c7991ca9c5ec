#include "xsession.h"

#include "support/privatefolders.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#ifndef PLANDEX_BINARY
#error "PLANDEX_BINARY must name the program under test"
#endif

XSession::XSession(QSize screen)
    : m_screen(screen)
{ }

XSession::~XSession()
{
    m_earlierApps.push_back(std::move(m_app));
    m_earlierApps.push_back(std::move(m_windowManager));
    for (const auto &process : m_earlierApps) {
        if (process && process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    if (m_server && m_server->state() != QProcess::NotRunning) {
        m_server->terminate();
        if (!m_server->waitForFinished(5000)) {
            m_server->kill();
            m_server->waitForFinished(5000);
        }
    }
}

bool XSession::start()
{
    // The server picks a free display itself and names it once it listens:
    // display numbers chosen here could clash with another test program
    // starting at the same moment, whose server the program would then use.
    m_server = std::make_unique<QProcess>();
    m_server->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString screen = QString("%1x%2x24").arg(m_screen.width()).arg(m_screen.height());
    m_server->start(
        "Xvfb", {"-displayfd", "1", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"});
    if (!m_server->waitForStarted(5000))
        return false;
    QDeadlineTimer deadline(20000);
    QByteArray said;
    while (
        !said.contains('\n') && !deadline.hasExpired() && m_server->state() == QProcess::Running) {
        m_server->waitForReadyRead(100);
        said += m_server->readAllStandardOutput();
    }
    bool isNumber = false;
    const int number = said.trimmed().toInt(&isNumber);
    if (!said.contains('\n') || !isNumber)
        return false;
    m_display = QString(":%1").arg(number);
    return run("xdotool", {"getmouselocation"}, nullptr, 5000);
}

QString XSession::builtProgram()
{
    return QStringLiteral(PLANDEX_BINARY);
}

bool XSession::startWindowManager()
{
    if (!m_home.isValid())
        return false;
    m_windowManager = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    for (const auto &[variable, folder] : privateFolders(m_home.path()))
        env.insert(variable, folder);
    m_windowManager->setProcessEnvironment(env);
    m_windowManager->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_windowManager->start("openbox", {"--sm-disable"});
    if (!m_windowManager->waitForStarted(5000))
        return false;
    // A window manager announces itself on the root window.
    QDeadlineTimer deadline(10000);
    do {
        QByteArray out;
        if (run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, &out) && out.contains("window id"))
            return true;
        QThread::msleep(50);
    } while (!deadline.hasExpired() && m_windowManager->state() == QProcess::Running);
    return false;
}

bool XSession::startApp(
    const QStringList &arguments, const QProcessEnvironment &extra, const QString &program)
{
    // The program registers itself with the desktop at every start: it must
    // only ever see a home of its own.
    if (!m_home.isValid())
        return false;
    if (m_app)
        m_earlierApps.push_back(std::move(m_app));
    m_app = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("WAYLAND_DISPLAY");
    for (const auto &[variable, folder] : privateFolders(m_home.path()))
        env.insert(variable, folder);
    env.insert("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    env.insert("XDG_CONFIG_DIRS", "/etc/xdg");
    env.insert(extra);
    m_app->setProcessEnvironment(env);
    m_app->setWorkingDirectory(m_appFolder);
    m_app->setProcessChannelMode(QProcess::ForwardedChannels);
    m_app->start(program.isEmpty() ? builtProgram() : program, arguments);
    return m_app->waitForStarted(5000);
}

QProcess *XSession::app(qint64 pid)
{
    if (m_app && m_app->processId() == pid)
        return m_app.get();
    for (const auto &earlier : m_earlierApps)
        if (earlier && earlier->processId() == pid)
            return earlier.get();
    return nullptr;
}

bool XSession::run(
    const QString &program, const QStringList &arguments, QByteArray *output, int timeoutMs)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", m_display);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool XSession::xdotool(const QStringList &arguments, QString *output)
{
    QByteArray out;
    const bool ok = run("xdotool", arguments, &out);
    if (output)
        *output = QString::fromUtf8(out).trimmed();
    return ok;
}

quint64 XSession::waitForWindow(const QString &titlePattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        QString out;
        if (xdotool({"search", "--onlyvisible", "--name", titlePattern}, &out) && !out.isEmpty())
            return out.split('\n').first().toULongLong();
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return 0;
}

quint64 XSession::waitForWindowOf(qint64 pid, const QString &titlePattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        QString out;
        if (xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name",
                        titlePattern},
                &out)
            && !out.isEmpty())
            return out.split('\n').first().toULongLong();
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return 0;
}

bool XSession::waitForNoWindow(const QString &titlePattern, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        QString out;
        xdotool({"search", "--onlyvisible", "--name", titlePattern}, &out);
        if (out.isEmpty())
            return true;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}

QRect XSession::geometry(quint64 window)
{
    QString out;
    if (!xdotool({"getwindowgeometry", "--shell", QString::number(window)}, &out))
        return {};
    QRect r;
    for (const QString &line : out.split('\n')) {
        const auto pair = line.split('=');
        if (pair.size() != 2)
            continue;
        const int value = pair[1].toInt();
        if (pair[0] == "X")
            r.moveLeft(value);
        else if (pair[0] == "Y")
            r.moveTop(value);
        else if (pair[0] == "WIDTH")
            r.setWidth(value);
        else if (pair[0] == "HEIGHT")
            r.setHeight(value);
    }
    return r;
}

QRect XSession::frameGeometry(quint64 window)
{
    // Under a window manager xdotool adds the frame's offset twice; xwininfo
    // tells where the client area really is.
    QByteArray info;
    QByteArray extents;
    if (!run("xwininfo", {"-id", QString::number(window)}, &info)
        || !run("xprop", {"-id", QString::number(window), "_NET_FRAME_EXTENTS"}, &extents))
        return {};
    const auto value = [&info](const char *label) {
        const qsizetype at = info.indexOf(label);
        return at < 0 ? -1 : info.mid(at + qstrlen(label)).split('\n').first().trimmed().toInt();
    };
    const QRect client(value("Absolute upper-left X:"), value("Absolute upper-left Y:"),
        value("Width:"), value("Height:"));
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QList<QByteArray> frame = extents.mid(extents.indexOf('=') + 1).split(',');
    if (!extents.contains('=') || frame.size() != 4)
        return {};
    return client.adjusted(-frame[0].trimmed().toInt(), -frame[2].trimmed().toInt(),
        frame[1].trimmed().toInt(), frame[3].trimmed().toInt());
}

QString XSession::title(quint64 window)
{
    QString out;
    xdotool({"getwindowname", QString::number(window)}, &out);
    return out;
}

QImage XSession::screenshot(quint64 window)
{
    QByteArray png;
    // Called by full path: another "import" may come first on PATH.
    if (!run("/usr/bin/import", {"-window", QString::number(window), "png:-"}, &png))
        return {};
    return QImage::fromData(png, "PNG");
}

QImage XSession::screenshotRoot()
{
    QByteArray png;
    if (!run("/usr/bin/import", {"-window", "root", "png:-"}, &png))
        return {};
    return QImage::fromData(png, "PNG");
}

bool XSession::drag(QPoint from, QPoint to, int steps)
{
    bool ok = xdotool({"mousemove", "--sync", QString::number(from.x()), QString::number(from.y())})
        && xdotool({"mousedown", "1"});
    for (int i = 1; ok && i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        ok = xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
        QThread::msleep(20);
    }
    return xdotool({"mouseup", "1"}) && ok;
}

bool XSession::click(QPoint at, int count)
{
    return xdotool({"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())})
        && xdotool({"click", "--repeat", QString::number(count), "--delay", "80", "1"});
}

bool XSession::type(const QString &text)
{
    return provideKeys(text) && xdotool({"type", "--", text});
}

bool XSession::provideKeys(const QString &text)
{
    // Printable ASCII is on the US keyboard already.
    QList<uint> missing;
    for (const uint c : text.toUcs4())
        if (c > 0x7e && !m_keyOf.contains(c) && !missing.contains(c))
            missing.append(c);
    if (missing.isEmpty())
        return true;

    QTemporaryDir dir;
    const QString file = dir.filePath("keymap.xkb");
    if (!dir.isValid() || !run("xkbcomp", {"-xkb", m_display, file}))
        return false;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QString keymap = QString::fromUtf8(in.readAll());
    in.close();

    // The symbols section, and the key codes that have no symbols in it.
    const qsizetype symbols = keymap.indexOf("xkb_symbols");
    if (symbols < 0)
        return false;
    const qsizetype symbolsEnd = keymap.indexOf("\n};", symbols);
    if (symbolsEnd < 0)
        return false;
    const QString symbolsText = keymap.mid(symbols, symbolsEnd - symbols);
    QSet<QString> bound;
    for (const auto &m : QRegularExpression(R"(\bkey\s+<(\w+)>)").globalMatch(symbolsText))
        bound.insert(m.captured(1));
    QStringList spare;
    const QString keycodes = keymap.left(keymap.indexOf("xkb_types"));
    for (const auto &m :
        QRegularExpression(R"(^\s*<(\w+)>\s*=\s*(\d+)\s*;)", QRegularExpression::MultilineOption)
            .globalMatch(keycodes))
        if (!bound.contains(m.captured(1)) && m.captured(2).toInt() > 8)
            spare.append(m.captured(1));

    // Keys of characters this text does not need may be taken back.
    const QList<uint> wanted = text.toUcs4();
    QStringList reusable;
    for (auto it = m_keyOf.begin(); it != m_keyOf.end();) {
        if (!wanted.contains(it.key()) && spare.size() + reusable.size() < missing.size()) {
            reusable.append(it.value());
            it = m_keyOf.erase(it);
        } else {
            ++it;
        }
    }
    if (spare.size() + reusable.size() < missing.size())
        return false;

    QString added;
    for (const uint c : missing) {
        const QString symbol = QString("U%1").arg(uint(c), 4, 16, QChar('0')).toUpper();
        if (!reusable.isEmpty()) {
            const QString key = reusable.takeFirst();
            const QRegularExpression line(QString(R"(\bkey\s+<%1>\s*\{[^}]*\};)").arg(key));
            keymap.replace(line, QString("key <%1> { [ %2 ] };").arg(key, symbol));
            m_keyOf.insert(c, key);
        } else {
            const QString key = spare.takeFirst();
            added += QString("\n    key <%1> { [ %2 ] };").arg(key, symbol);
            m_keyOf.insert(c, key);
        }
    }
    keymap.insert(keymap.indexOf("\n};", keymap.indexOf("xkb_symbols")), added);

    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    out.write(keymap.toUtf8());
    out.close();
    // xkbcomp warns about key codes without symbols; only its exit counts.
    return run("xkbcomp", {"-w", "0", file, m_display});
}

bool XSession::key(const QString &keys)
{
    return xdotool(QStringList {"key", "--"} + keys.split(' ', Qt::SkipEmptyParts));
}

quint64 XSession::focusedWindow()
{
    QString out;
    if (!xdotool({"getwindowfocus"}, &out))
        return 0;
    return out.toULongLong();
}

bool XSession::waitForFocus(quint64 window, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    do {
        if (focusedWindow() == window)
            return true;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}

QImage XSession::waitForScreenshot(
    quint64 window, const std::function<bool(const QImage &)> &ready, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    QImage shot;
    do {
        shot = screenshot(window);
        if (!shot.isNull() && ready(shot))
            return shot;
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return shot;
}
