#include "plan/roomrecovery.h"

#include "files/recoverystore.h"
#include "plan/editor.h"

namespace plandex {

RoomRecovery::RoomRecovery(Editor &editor, RecoveryStore &store)
    : m_editor(editor)
    , m_store(store)
{
    const QUndoStack &stack = editor.history().stack();
    connect(&stack, &QUndoStack::indexChanged, this, &RoomRecovery::follow);
    connect(&stack, &QUndoStack::cleanChanged, this, &RoomRecovery::follow);
}

void RoomRecovery::follow()
{
    if (m_editor.history().isModified())
        m_store.keep(m_editor.komRoom(), m_editor.roomFile());
    else
        m_store.discard();
}

bool RoomRecovery::offerLeftover(Prompts &prompts)
{
    const std::unique_ptr<RecoveryLeftover> left = m_store.claimNewestLeftover();
    if (!left)
        return false;
    if (!prompts.confirm(
            QStringLiteral("Восстановить комнату, не сохранённую при прошлой работе?"))) {
        left->remove();
        return false;
    }
    const std::optional<RecoveredRoom> room = left->read();
    if (!room) {
        prompts.message(badFileMessage);
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
