#pragma once

#include "dialogs/sizedialog.h"

namespace plandex {

// The size dialog as a new room shows it, for the room's own size: the
// current width and height to change. "Да" leaves the two numbers, rounded
// to whole centimetres (0 for one beyond 32 bits), for the caller.
class RoomSizeDialog : public SizeDialog
{
    Q_OBJECT

public:
    RoomSizeDialog(Editor &editor, Prompts &prompts, QWidget *parent = nullptr);

    qint32 roomWidth() const { return m_width; }
    qint32 roomHeight() const { return m_height; }

protected:
    void takeNumbers(double a, double b) override;

private:
    qint32 m_width = 0;
    qint32 m_height = 0;
};

} // namespace plandex
