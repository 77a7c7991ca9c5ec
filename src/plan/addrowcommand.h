#pragma once

#include "model/objecttable.h"
#include "plan/roomcommand.h"

namespace plandex {

// An object drawn with the mouse: undone by taking its row away.
class AddRowCommand : public RoomCommand
{
public:
    AddRowCommand(Editor &editor, int index, ObjectTable::Row row);

protected:
    void apply() override;
    void revert() override;

private:
    int m_index;
    ObjectTable::Row m_row;
};

} // namespace plandex
