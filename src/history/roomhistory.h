#pragma once

#include "history/historytarget.h"
#include "model/objecttable.h"

#include <QUndoStack>

namespace plandex {

// The editor's undo history. Each record call is made once, after the
// change is in the table; a call for a change that changed nothing
// records nothing.
class RoomHistory
{
public:
    // At least this many steps are kept; older ones go first.
    static constexpr int stepLimit = 1000;
    // Rows of whole rooms that the history may keep for undoing new rooms
    // and loads. Past it a whole-room step starts the history afresh, so
    // that opening big rooms one after another does not pile up their
    // tables.
    static constexpr qsizetype roomRowBudget = ObjectTable::maxRows;

    explicit RoomHistory(HistoryTarget &room);

    QUndoStack &stack() { return m_stack; }

    // Row i was appended.
    void rowAdded(int i);
    // Row i was rewritten in place; before is what it held.
    void rowRewritten(int i, const ObjectTable::Row &before);
    // Row i was removed; removed is what it held.
    void rowRemoved(int i, ObjectTable::Row removed);
    // The whole room was replaced; before is the room it replaced.
    void roomReplaced(RoomContents before);
    // The room was given another size, its rows kept; before is the size
    // it had.
    void roomResized(QSize before);

    // Rows that the whole-room steps keep.
    qsizetype heldRoomRows() const;

    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }

    // Whether the room changed since it was started, opened, saved or
    // made new.
    bool isModified() const { return !m_stack.isClean(); }
    void markUnmodified() { m_stack.setClean(); }
    // Forgets every step; the room counts as changed until it is saved.
    void startUnsaved()
    {
        m_stack.clear();
        m_stack.resetClean();
    }

private:
    HistoryTarget &m_room;
    QUndoStack m_stack;
};

} // namespace plandex
