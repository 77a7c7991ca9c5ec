#pragma once

#include <QObject>

#include <optional>
#include <utility>

namespace plandex {

class Editor;
class Prompts;
class RecoveryStore;

// Keeps the store's copy of the room in step with the editor: the store is
// told of every change of the table's rows, and after every step of the
// history (a change, an undo, a redo) the room is kept while it has unsaved
// changes, and its copy goes once it has none.
class RoomRecovery : public QObject
{
    Q_OBJECT

public:
    RoomRecovery(Editor &editor, RecoveryStore &store);

    // At start, before the window shows: offers the room a copy of the
    // program that is gone left unsaved. True when it is now the room;
    // a damaged one is reported and removed.
    bool offerLeftover(Prompts &prompts);

private:
    void follow();
    std::pair<int, bool> followedState() const;

    Editor &m_editor;
    RecoveryStore &m_store;
    // Whether the store holds the table's rows: only while there is
    // something to recover.
    bool m_rowsKept = false;
    // The history's index and modified state last followed.
    std::optional<std::pair<int, bool>> m_followed;
};

} // namespace plandex
