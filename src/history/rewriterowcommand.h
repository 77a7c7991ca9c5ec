#pragma once

#include "history/roomcommand.h"
#include "model/objecttable.h"

namespace plandex {

// An object moved or resized: the row's other texts. Undo and redo both
// swap them with what the row holds, so one row is kept, not two.
class RewriteRowCommand : public RoomCommand
{
public:
    RewriteRowCommand(HistoryTarget &room, int index, ObjectTable::Row other);

protected:
    void apply() override { swap(); }
    void revert() override { swap(); }

private:
    void swap();

    int m_index;
    ObjectTable::Row m_other;
};

} // namespace plandex
