#include "recovery/roomrecovery.h"

#include "plan/editor.h"
#include "recovery/recoverystore.h"

#include <QCoreApplication>

namespace plandex {

RoomRecovery::RoomRecovery(Editor &editor, RecoveryStore &store)
    : m_editor(editor)
    , m_store(store)
{
    // Only what changed crosses to the store, and only while the room has
    // unsaved changes: a commit in a full table costs this thread a row, not
    // the table, and a saved room keeps no second copy of its rows.
    const ObjectTable &table = editor.table();
    connect(
        &table, &ObjectTable::rowsInserted, this, [this](const QModelIndex &, int first, int last) {
            if (m_rowsKept)
                m_store.spliceRows(first, 0, komObjects(m_editor.table(), first, last));
        });
    connect(
        &table, &ObjectTable::rowsRemoved, this, [this](const QModelIndex &, int first, int last) {
            if (m_rowsKept)
                m_store.spliceRows(first, last - first + 1, {});
        });
    connect(&table, &ObjectTable::dataChanged, this,
        [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
            if (m_rowsKept)
                m_store.spliceRows(topLeft.row(), bottomRight.row() - topLeft.row() + 1,
                    komObjects(m_editor.table(), topLeft.row(), bottomRight.row()));
        });
    connect(&table, &ObjectTable::modelReset, this, [this] {
        if (m_rowsKept)
            m_store.spliceRows(0, -1, komObjects(m_editor.table()));
    });

    const QUndoStack &stack = editor.history().stack();
    connect(&stack, &QUndoStack::indexChanged, this, &RoomRecovery::follow);
    // A step onto or off the saved state raises both signals, the index
    // first: the room is written once. A save raises only the second.
    connect(&stack, &QUndoStack::cleanChanged, this, [this] {
        if (m_followed != followedState())
            follow();
    });
}

std::pair<int, bool> RoomRecovery::followedState() const
{
    return {m_editor.history().stack().index(), m_editor.history().isModified()};
}

void RoomRecovery::follow()
{
    const bool modified = m_editor.history().isModified();
    m_followed = followedState();
    if (modified != m_rowsKept)
        m_store.spliceRows(
            0, -1, modified ? komObjects(m_editor.table()) : std::vector<KomRoom::Object>());
    m_rowsKept = modified;
    if (modified)
        m_store.keep(m_editor.K().width(), m_editor.K().height(), m_editor.roomFile());
    else
        m_store.discard();
}

bool RoomRecovery::offerLeftover(Prompts &prompts)
{
    const std::unique_ptr<RecoveryLeftover> left = m_store.claimNewestLeftover();
    if (!left)
        return false;
    if (!prompts.confirm(QCoreApplication::translate(
            "RoomRecovery", "Восстановить комнату, не сохранённую при прошлой работе?"))) {
        left->remove();
        return false;
    }
    const std::optional<RecoveredRoom> room = left->read();
    if (!room) {
        prompts.message(badFileMessage());
        left->remove();
        return false;
    }
    m_editor.recoverRoom(room->room, room->file);
    // This copy's own recovery file is on disk before the old one goes.
    m_store.waitUntilDone();
    left->remove();
    return true;
}

} // namespace plandex
