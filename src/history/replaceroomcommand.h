#pragma once

#include "history/historytarget.h"
#include "history/roomcommand.h"

namespace plandex {

// A new room or an opened file: the other room, swapped with the shown one
// on undo and on redo, so that one copy of a table is kept, not two.
class ReplaceRoomCommand : public RoomCommand
{
public:
    ReplaceRoomCommand(HistoryTarget &room, RoomContents other);

    qsizetype heldRows() const { return qsizetype(m_other.rows.size()); }

protected:
    void apply() override { swap(); }
    void revert() override { swap(); }

private:
    void swap();

    RoomContents m_other;
};

} // namespace plandex
