#pragma once

#include "model/objecttable.h"

#include <QSize>
#include <QString>

#include <vector>

namespace plandex {

// A whole room: what a new room or an opened file replaces.
struct RoomContents {
    QSize size;
    std::vector<ObjectTable::Row> rows;
    // The file the room belongs to; empty when none.
    QString file;
};

// The room the history keeps steps of, as the steps need it: its rows to
// put back, a way to show what a step put back, and the whole room to swap.
class HistoryTarget
{
public:
    virtual ObjectTable &table() = 0;
    // After an undo or redo put rows back: shows the room with row touched
    // current (none with -1).
    virtual void showRestored(int touched) = 0;
    // Puts room in place of the shown one, shows it, and gives back the
    // room it replaced.
    virtual RoomContents exchangeRoom(RoomContents room) = 0;
    // Gives the room this size, keeping its rows, shows it, and gives back
    // the size it had.
    virtual QSize resizeRoom(QSize size) = 0;

protected:
    ~HistoryTarget() = default;
};

} // namespace plandex
