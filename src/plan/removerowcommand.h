#pragma once

#include "model/objecttable.h"
#include "plan/roomcommand.h"

namespace plandex {

// A deleted object: undone by putting its row back in its place.
class RemoveRowCommand : public RoomCommand
{
public:
    RemoveRowCommand(Editor &editor, int index, ObjectTable::Row row);

protected:
    void apply() override;
    void revert() override;

private:
    int m_index;
    ObjectTable::Row m_row;
};

} // namespace plandex
