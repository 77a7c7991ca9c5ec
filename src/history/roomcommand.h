#pragma once

#include <QUndoCommand>

namespace plandex {

class Editor;

// A change that is already in the table when it is pushed: the push's own
// redo does nothing, later redos apply it again.
class RoomCommand : public QUndoCommand
{
public:
    explicit RoomCommand(Editor &editor)
        : m_editor(editor)
    { }

    void undo() final { revert(); }
    void redo() final;

protected:
    virtual void apply() = 0;
    virtual void revert() = 0;

    Editor &m_editor;

private:
    bool m_pushed = false;
};

} // namespace plandex
