#pragma once

#include <QUndoCommand>

namespace plandex {

class HistoryTarget;

// A change that is already in the table when it is pushed: the push's own
// redo does nothing, later redos apply it again.
class RoomCommand : public QUndoCommand
{
public:
    explicit RoomCommand(HistoryTarget &room)
        : m_room(room)
    { }

    void undo() final { revert(); }
    void redo() final;

protected:
    virtual void apply() = 0;
    virtual void revert() = 0;

    HistoryTarget &m_room;

private:
    bool m_pushed = false;
};

} // namespace plandex
