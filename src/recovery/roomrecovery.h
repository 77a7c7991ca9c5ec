#pragma once

#include <QObject>

#include <memory>
#include <optional>
#include <utility>

namespace plandex {

class Editor;
class Prompts;
class RecoveryLeftover;
class RecoveryStore;

// Keeps the store's copy of the room in step with the editor: the store is
// told of every change of the table's rows, and after every step of the
// history (a change, an undo, a redo) the room is kept while it has unsaved
// changes, and its copy goes once it has none. When the copies cannot be
// written, the user is told once, and told again once they can.
class RoomRecovery : public QObject
{
    Q_OBJECT

public:
    RoomRecovery(Editor &editor, RecoveryStore &store);
    // A recovered room's old copy goes now: the user had the chance to save.
    ~RoomRecovery() override;

    // At start, before the window shows: offers the room a copy of the
    // program that is gone left unsaved. True when it is now the room;
    // a damaged one is reported and removed. The old copy goes once this
    // copy's own is written, or the room saved.
    bool offerLeftover(Prompts &prompts);

private:
    void follow();
    std::pair<int, bool> followedState() const;
    // The outcome of a write of the store, on this thread.
    void written(const QString &failure);
    void tell(const QString &text);
    void dropLeftover();

    Editor &m_editor;
    RecoveryStore &m_store;
    // Whether the store holds the table's rows: only while there is
    // something to recover.
    bool m_rowsKept = false;
    // The history's index and modified state last followed.
    std::optional<std::pair<int, bool>> m_followed;
    // A recovered room's old copy, until its successor is safe.
    std::unique_ptr<RecoveryLeftover> m_leftover;
    // Whether the user was told that changes are not kept, and not yet
    // that they are again.
    bool m_toldFailing = false;
    bool m_toldInactive = false;
};

} // namespace plandex
