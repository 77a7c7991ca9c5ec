#pragma once

// What the end-to-end tests know about plandex's main window: where things
// are, which colours the plan uses, and a few steps that several tests take.

#include "xsession.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace plandexui {

inline const QString mainTitle = QStringLiteral("^My Plandex");
inline const QString promptTitle = QStringLiteral("^Plandex$");
inline const QString sizeDialogTitle = QStringLiteral("^Изменение размеров объекта$");

// Window coordinates: the room's top-left pixel (1 cm = 1 px).
constexpr QPoint planOrigin {136, 24};
// The tool buttons' centres.
constexpr QPoint createButton {24, 24};
constexpr QPoint moveButton {24, 64};
constexpr QPoint resizeButton {24, 104};
constexpr QPoint newRoomButton {24, 200};
// The inside of the name list (inside its frame), at the start size.
constexpr QRect listInside {51, 3, 75, 380};
// The size labels above the plan.
constexpr QRect sizeLabels {136, 0, 129, 17};
// A spot of bare window background, below the tool buttons.
constexpr QPoint windowBackground {24, 370};

inline const QColor black(0, 0, 0);
inline const QColor green(0, 255, 0);
inline const QColor blue(0, 0, 255);
inline const QColor white(255, 255, 255);

// A room file's bytes, its control characters written {1}, {2} and {3}.
inline QByteArray k(const char *text)
{
    return QByteArray(text).replace("{1}", "\x01").replace("{2}", "\x02").replace("{3}", "\x03");
}

// Диван at 40..200 x 20..100 and Стол at 300..380 x 150..230, in
// Windows-1251.
inline const QByteArray exampleRoom
    = k("komfile: 553|361{1}\xC4\xE8\xE2\xE0\xED{2} 40|200{3} 20|100"
        "{1}\xD1\xF2\xEE\xEB{2}300|380{3}150|230{1}\r\n");

// A room point in window coordinates.
constexpr QPoint atRoom(QPoint room)
{
    return planOrigin + room;
}
constexpr QPoint atRoom(int x, int y)
{
    return planOrigin + QPoint(x, y);
}

inline QPoint onScreen(XSession &x, quint64 window, QPoint windowPoint)
{
    return x.geometry(window).topLeft() + windowPoint;
}

// Starts Xvfb and plandex and waits for the main window with its plan
// painted black. Empty when so, with the window's id in window; else what
// went wrong.
inline QString startPlandex(XSession &x, quint64 &window)
{
    window = 0;
    if (!x.start())
        return "Xvfb did not start";
    if (!x.startApp())
        return "plandex did not start";
    const quint64 id = x.waitForWindow("^My Plandex$");
    if (!id)
        return QString("no window titled My Plandex (plandex %1)")
            .arg(x.app().state() == QProcess::Running ? "runs" : "has ended");
    const QImage shot = x.waitForScreenshot(id, [](const QImage &s) {
        return s.pixelColor(atRoom(0, 0)) == black && s.pixelColor(atRoom(552, 360)) == black;
    });
    if (shot.isNull())
        return "no screenshot of the main window";
    if (shot.pixelColor(atRoom(0, 0)) != black || shot.pixelColor(atRoom(552, 360)) != black)
        return QString("the plan is not black: %1 at its top left, %2 at its bottom right")
            .arg(shot.pixelColor(atRoom(0, 0)).name(), shot.pixelColor(atRoom(552, 360)).name());
    window = id;
    return {};
}

// In create mode: drags a rubber band with the left button from one room
// point to another and returns the name prompt that comes up, or 0.
inline quint64 dragBand(XSession &x, quint64 window, QPoint from, QPoint to)
{
    if (!x.drag(onScreen(x, window, atRoom(from)), onScreen(x, window, atRoom(to))))
        return 0;
    return x.waitForWindow(promptTitle);
}

// Types text into a dialog once it has the keyboard focus, presses Return
// and waits for the dialog to close; false if any step failed.
inline bool answer(XSession &x, quint64 dialog, const QString &titlePattern, const QString &text)
{
    return x.waitForFocus(dialog) && x.type(text) && x.key("Return")
        && x.waitForNoWindow(titlePattern);
}

// Draws a named object from one room corner to the other, both included.
inline bool drawObject(XSession &x, quint64 window, QPoint from, QPoint to, const QString &name)
{
    const quint64 prompt = dragBand(x, window, from, to);
    return prompt && answer(x, prompt, promptTitle, name);
}

// A point of free floor, right of room x = 200 where the tests draw nothing,
// that the dialog covers on the screen: it turns black again only when
// plandex has painted its window after the dialog went. A room point, or
// (-1, -1) when the dialog covers no such floor.
inline QPoint coveredFloor(XSession &x, quint64 window, quint64 dialog, QSize room)
{
    const QRect covered = x.geometry(dialog).translated(-x.geometry(window).topLeft());
    for (int y = 0; y < room.height(); y += 5)
        for (int x0 = 200; x0 < room.width(); x0 += 5)
            if (covered.contains(atRoom(x0, y)))
                return {x0, y};
    return {-1, -1};
}

// The lowest line of the name list's inside that holds anything but the
// list's own background (text or a selected row); -1 for an empty list.
inline int lowestListInk(const QImage &shot, const QColor &listBackground)
{
    for (int y = listInside.bottom(); y >= listInside.top(); --y)
        for (int x = listInside.left(); x <= listInside.right(); ++x)
            if (shot.pixelColor(x, y) != listBackground)
                return y;
    return -1;
}

} // namespace plandexui
