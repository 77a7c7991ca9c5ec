#pragma once

#include "history/roomcommand.h"
#include "model/objecttable.h"

namespace plandex {

// An object drawn or deleted: the same row put in or taken out at its index,
// one way on redo and the other on undo.
class RowCommand : public RoomCommand
{
public:
    enum class Change { Added, Removed };

    RowCommand(HistoryTarget &room, Change change, int index, ObjectTable::Row row);

protected:
    void apply() override;
    void revert() override;

private:
    void putBack();
    void takeAway();

    Change m_change;
    int m_index;
    ObjectTable::Row m_row;
};

} // namespace plandex
