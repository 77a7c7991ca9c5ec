#include "plan/editor.h"

#include "model/codepage.h"
#include "model/geometry.h"
#include "plan/colors.h"

#include <QCoreApplication>

namespace plandex {

QString badFileMessage()
{
    return QCoreApplication::translate("Editor", "Неверный формат файла");
}

QString objectNamePrompt()
{
    return QCoreApplication::translate(
        "Editor", "Введите название этого объекта\r\n(Например 'Диван')");
}

QString askObjectName(Prompts &prompts, const QString &initial)
{
    QString name = cleanObjectName(prompts.input(objectNamePrompt(), initial));
    while (hasOpeningMarker(name)) {
        prompts.message(
            QCoreApplication::translate("Editor", "Название не может начинаться со знака %1!")
                .arg(openingMarker));
        name = cleanObjectName(prompts.input(objectNamePrompt(), name));
    }
    return name;
}

Editor::Editor(WindowPort &window, Prompts &prompts)
    : m_window(window)
    , m_prompts(prompts)
{
    m_table.setShownName(
        [this](const ObjectTable::Row &row) { return shownName(row, m_K.size()); });
    QObject::connect(&m_table, &ObjectTable::clicked, [this] { L_Click(); });
    QObject::connect(&m_table, &ObjectTable::selectionChanged, [this] { Timer1_Timer(); });
}

void Editor::load()
{
    m_state.pressX = -1;
    m_state.pressY = -1;
    showSize(m_K.width(), m_K.height());
    Timer1_Timer();
}

void Editor::showRestored(int touched)
{
    WindowState &s = m_state;
    forgetObject(s);
    s.dragDX = s.dragDY = 0;
    s.dragLeft = s.dragTop = s.dragRight = s.dragBottom = 0;
    s.othLeft = s.othTop = s.othRight = s.othBottom = 0;
    ProvForm();
    OBNOV();
    m_table.select(touched);
}

RoomContents Editor::exchangeRoom(RoomContents room)
{
    RoomContents shown {m_K.size(), m_table.rows(), m_roomFile};
    m_table.replaceAll(std::move(room.rows));
    m_K.resize(room.size);
    m_roomFile = room.file;
    showRestored(-1);
    showSize(m_K.width(), m_K.height());
    return shown;
}

std::optional<Editor::DragPreview> Editor::dragPreview() const
{
    const WindowState &s = m_state;
    // Armed, with a snapshot to draw the preview over, from a press that
    // started something.
    if (s.tmpStr != QLatin1String("HElaga") || !m_K.saving() || s.pressX == -1 || s.pressY == -1)
        return std::nullopt;
    const bool creating = s.mode == EditMode::Create;
    if (creating && !m_bandAccepted)
        return std::nullopt;
    return DragPreview {Edges::ordered(s.dragLeft, s.dragTop, s.dragRight, s.dragBottom),
        creating ? -1 : m_table.selection()};
}

void Editor::showSize(const QString &w, const QString &h)
{
    m_state.labelW = w;
    m_state.labelH = h;
    m_window.setSizeLabels(w, h);
}

void Editor::showSize(qint64 w, qint64 h)
{
    showSize(QString::number(w), QString::number(h));
}

void Editor::showSize32(qint64 w, qint64 h)
{
    showSize(fitsInt32(w) ? QString::number(w) : m_state.labelW,
        fitsInt32(h) ? QString::number(h) : m_state.labelH);
}

void Editor::fillObj(int rgb)
{
    paintBox({m_state.objLeft, m_state.objTop, m_state.objRight, m_state.objBottom}, rgb);
}

void Editor::fillPreview(int rgb)
{
    m_K.fillBox(m_state.dragLeft, m_state.dragTop, m_state.dragRight, m_state.dragBottom, rgb);
}

void Editor::outlinePreview(int rgb)
{
    m_K.outlineBox(m_state.dragLeft, m_state.dragTop, m_state.dragRight, m_state.dragBottom, rgb);
}

void Editor::restoreSnapshot()
{
    if (m_K.saving()) {
        m_K.restoreSaved();
        return;
    }
    // No snapshot: the empty picture it would hold.
    m_K.clearPicture();
    m_K.clear();
}

} // namespace plandex
