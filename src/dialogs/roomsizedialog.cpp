#include "dialogs/roomsizedialog.h"

#include "model/numberreading.h"
#include "model/pairtext.h"
#include "plan/editor.h"

#include <QLabel>
#include <QLineEdit>

namespace plandex {

RoomSizeDialog::RoomSizeDialog(Editor &editor, Prompts &prompts, QWidget *parent)
    : SizeDialog(editor, prompts, parent)
{
    setWindowTitle(tr("Размеры комнаты"));
    ob()->setText(tr("Комната"));
    W()->setText(numberText(editor.K().width()));
    H()->setText(numberText(editor.K().height()));
}

void RoomSizeDialog::takeNumbers(double a, double b)
{
    m_width = roundToInt32(a).value_or(0);
    m_height = roundToInt32(b).value_or(0);
    accept();
}

} // namespace plandex
