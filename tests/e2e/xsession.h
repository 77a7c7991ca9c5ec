#pragma once

#include "support/scratchdir.h"

#include <QHash>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// A private X server (Xvfb) with the real plandex program running in it,
// driven by xdotool and photographed with ImageMagick's import.
class XSession
{
public:
    // The X server's screen size.
    explicit XSession(QSize screen = {1024, 768});
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    // Starts the X server; false when it would not come up.
    bool start();
    QString display() const { return m_display; }

    // Starts the openbox window manager in the session; false when it did
    // not take over the screen.
    bool startWindowManager();

    // Starts plandex with the given arguments inside the session, with HOME
    // and the XDG folders in the session's own temporary home (see home()).
    // Variables in extra are set on top; program replaces the built one.
    // A copy started before keeps running; app() is the newest.
    bool startApp(const QStringList &arguments = {}, const QProcessEnvironment &extra = {},
        const QString &program = {});
    // The working folder of the copies started from now on; the test's own
    // unless set.
    void setAppFolder(const QString &folder) { m_appFolder = folder; }
    // The session's home folder; XDG_DATA_HOME is home()/.local/share and
    // XDG_CONFIG_HOME home()/.config, as on a fresh account.
    QString home() const { return m_home.filePath("home"); }
    static QString builtProgram();
    // The newest copy of plandex, or the one of that process id.
    QProcess &app() { return *m_app; }
    QProcess *app(qint64 pid);

    // The id of the first window whose title matches the regular
    // expression, waiting for it up to timeoutMs; 0 when none came.
    quint64 waitForWindow(const QString &titlePattern, int timeoutMs = 10000);
    // The id of the first window of the process pid whose title matches,
    // waiting for it up to timeoutMs; 0 when none came.
    quint64 waitForWindowOf(qint64 pid, const QString &titlePattern, int timeoutMs = 10000);
    // Position and size of a window on the screen (its client area: without
    // a window manager there is no frame).
    QRect geometry(quint64 window);
    // The window with the frame a window manager put around it.
    QRect frameGeometry(quint64 window);
    QString title(quint64 window);
    QImage screenshot(quint64 window);
    QImage screenshotRoot();

    // Runs xdotool; true when it succeeded.
    bool xdotool(const QStringList &arguments, QString *output = nullptr);
    // A left-button drag from one screen point to another in steps.
    bool drag(QPoint from, QPoint to, int steps = 10);
    // Waits until no window matches any more.
    bool waitForNoWindow(const QString &titlePattern, int timeoutMs = 10000);

    // Moves the pointer to a screen point and clicks the left button count
    // times (80 ms apart, well inside a double click).
    bool click(QPoint at, int count = 1);
    // Types text, any Unicode, into the window with the keyboard focus.
    // Characters the keyboard map lacks get keys of their own first (see
    // provideKeys).
    bool type(const QString &text);
    // Binds every character of text that the keyboard map lacks to a spare
    // key code, up to the number of spare codes. Without it xdotool binds
    // each such character to a scratch key just for its press and unbinds
    // it at once; a program that reads the new map a little late then
    // sees a key without a symbol and loses the character.
    bool provideKeys(const QString &text);
    // Presses keys given as xdotool names, e.g. "Return", "Tab", "ctrl+a";
    // several are separated by blanks.
    bool key(const QString &keys);
    // The window with the keyboard focus; 0 when there is none.
    quint64 focusedWindow();
    // Waits until the window has the keyboard focus.
    bool waitForFocus(quint64 window, int timeoutMs = 10000);
    // Takes screenshots of the window until one satisfies ready and returns
    // it; after timeoutMs the last one taken, so that the caller's checks
    // show what was there instead.
    QImage waitForScreenshot(
        quint64 window, const std::function<bool(const QImage &)> &ready, int timeoutMs = 10000);

private:
    bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr,
        int timeoutMs = 20000);

    ScratchDir m_home;
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_windowManager;
    // Copies started before the newest, m_app.
    std::vector<std::unique_ptr<QProcess>> m_earlierApps;
    std::unique_ptr<QProcess> m_app;
    QString m_appFolder;
    QString m_display;
    QSize m_screen;
    // Characters bound by provideKeys, and the name of their key.
    QHash<uint, QString> m_keyOf;
};
