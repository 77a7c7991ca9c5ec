#pragma once

#include <QSize>
#include <QtGlobal>

namespace plandex {

// Rooms from 50 x 50 to 700 x 500 cm, both ends included.
bool roomSizeAcceptable(qint64 width, qint64 height);

// The main window around a plan: the plan plus the tool column and the
// name list on the left (150 px) and the labels above (37 px), raised to a
// smallest window; the list runs 30 px past the plan's height, or is 350 px
// tall when the window had to be raised.
struct WindowFit {
    QSize client;
    int listHeight;

    bool operator==(const WindowFit &) const = default;
};

WindowFit fitAround(QSize plan);

} // namespace plandex
