#include "files/roomsize.h"
#include "model/geometry.h"
#include "model/pairtext.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void Editor::btnNew_Click()
{
    // No current object: that is what puts the size dialog in room mode,
    // and it stays so whatever the answer.
    m_table.select(-1);
    m_window.showSizeDialog(QCoreApplication::translate("Editor", "Комната"),
        numberText(m_K.width()), numberText(m_K.height()));
    if (m_state.tmpStr != QLatin1String("Yes"))
        return;
    RoomContents before {m_K.size(), m_table.rows(), m_roomFile};
    setKomnata();
    if (m_state.tmpStr == QLatin1String("No"))
        return;
    m_table.clear();
    m_roomFile.clear();
    m_offerRoomFile = false;
    OBNOV();
    m_history.roomReplaced(std::move(before));
    m_history.markUnmodified();
    WindowState &s = m_state;
    forgetObject(s);
    s.dragDX = s.dragDY = 0;
    s.othLeft = s.othTop = s.othRight = s.othBottom = 0;
}

void Editor::setKomnata()
{
    const qint32 w = m_state.newW, h = m_state.newH;
    if (!roomSizeAcceptable(w, h)) {
        m_prompts.message(QCoreApplication::translate(
            "Editor", "Комната не должна быть больше 700 x 500 cm, и меньше 50 x 50 cm!"));
        m_state.tmpStr = QStringLiteral("No");
        return;
    }
    m_K.resize({w, h});
    ProvForm();
    showSize(w, h);
}

QSize Editor::resizeRoom(QSize size)
{
    const QSize before = m_K.size();
    // Doors and windows stay in their walls: those of the bottom and the
    // right wall move with it.
    for (int i = 0; i < m_table.count(); ++i) {
        const auto opening = openingOfRow(m_table.row(i), before);
        if (!opening)
            continue;
        const Edges area = openingArea(*opening, size);
        if (area != openingArea(*opening, before))
            m_table.rewrite(i, m_table.name(i), editedPair(area.left, area.right),
                editedPair(area.top, area.bottom));
    }
    m_K.resize(size);
    showRestored(-1);
    showSize(m_K.width(), m_K.height());
    return before;
}

void Editor::ProvForm()
{
    const WindowFit fit = fitAround(m_K.size());
    m_window.fitWindow(fit.client, fit.listHeight);
}

} // namespace plandex
