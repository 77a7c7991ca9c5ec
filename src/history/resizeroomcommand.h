#pragma once

#include "history/roomcommand.h"

#include <QSize>

namespace plandex {

// The room's size changed, its objects kept: the other size, swapped with
// the room's on undo and on redo.
class ResizeRoomCommand : public RoomCommand
{
public:
    ResizeRoomCommand(HistoryTarget &room, QSize other);

protected:
    void apply() override { swap(); }
    void revert() override { swap(); }

private:
    void swap();

    QSize m_other;
};

} // namespace plandex
