#pragma once

#include <QObject>

namespace plandex {

class Editor;
class Prompts;
class RecoveryStore;

// Keeps the store's copy of the room in step with the editor's history:
// after every step (a change, an undo, a redo) while the room has unsaved
// changes the room is kept, and once it has none the copy goes.
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

    Editor &m_editor;
    RecoveryStore &m_store;
};

} // namespace plandex
