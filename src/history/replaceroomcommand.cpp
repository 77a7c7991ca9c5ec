#include "history/replaceroomcommand.h"

#include "plan/editor.h"

namespace plandex {

ReplaceRoomCommand::ReplaceRoomCommand(Editor &editor, RoomContents other)
    : RoomCommand(editor)
    , m_other(std::move(other))
{ }

void ReplaceRoomCommand::swap()
{
    RoomContents shown {m_editor.K().size(), m_editor.table().rows(), m_editor.roomFile()};
    m_editor.table().replaceAll(std::move(m_other.rows));
    m_editor.K().resize(m_other.size);
    m_editor.setRoomFile(m_other.file);
    m_other = std::move(shown);
    m_editor.showRestored(-1);
    m_editor.showSize(m_editor.K().width(), m_editor.K().height());
}

} // namespace plandex
