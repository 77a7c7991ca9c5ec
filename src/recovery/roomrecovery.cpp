#include "recovery/roomrecovery.h"

#include "plan/editor.h"
#include "recovery/recoverystore.h"

#include <QCoreApplication>
#include <QTimer>

namespace plandex {

namespace {

QString notKeptMessage(const QString &why)
{
    return QCoreApplication::translate(
        "RoomRecovery", "Несохранённые изменения не сохраняются на случай сбоя.\n%1")
        .arg(why);
}

} // namespace

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

    // Told on the writing thread; heard on this one.
    store.onWritten([this](const QString &failure) {
        QMetaObject::invokeMethod(
            this, [this, failure] { written(failure); }, Qt::QueuedConnection);
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

RoomRecovery::~RoomRecovery()
{
    m_store.onWritten({});
    dropLeftover();
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
    if (modified && !m_store.isActive() && !m_toldInactive) {
        m_toldInactive = true;
        tell(notKeptMessage(m_store.problem()));
    }
    if (modified) {
        m_store.keep(m_editor.K().width(), m_editor.K().height(), m_editor.roomFile());
    } else {
        m_store.discard();
        // Saved: the room is safe in its file.
        dropLeftover();
    }
}

void RoomRecovery::written(const QString &failure)
{
    if (failure.isEmpty())
        dropLeftover();
    if (failure.isEmpty() == !m_toldFailing)
        return;
    m_toldFailing = !failure.isEmpty();
    tell(m_toldFailing ? notKeptMessage(failure)
                       : QCoreApplication::translate("RoomRecovery",
                           "Несохранённые изменения снова сохраняются на случай сбоя."));
}

void RoomRecovery::tell(const QString &text)
{
    // A box in the middle of a drag would take the mouse from it.
    if (m_editor.state().tmpStr == QLatin1String("HElaga") && m_editor.K().saving()) {
        QTimer::singleShot(250, this, [this, text] { tell(text); });
        return;
    }
    m_editor.prompts().message(text);
}

void RoomRecovery::dropLeftover()
{
    if (m_leftover)
        m_leftover->remove();
    m_leftover.reset();
}

bool RoomRecovery::offerLeftover(Prompts &prompts)
{
    std::unique_ptr<RecoveryLeftover> left = m_store.claimNewestLeftover();
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
    // The old copy goes only once this copy's own is on disk; until then it
    // stays, held, for a later start.
    m_store.waitUntilDone();
    m_leftover = std::move(left);
    if (m_store.isKept())
        dropLeftover();
    return true;
}

} // namespace plandex
