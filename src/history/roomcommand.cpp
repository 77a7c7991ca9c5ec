#include "history/roomcommand.h"

namespace plandex {

void RoomCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    apply();
}

} // namespace plandex
