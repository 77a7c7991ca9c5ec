#include "plan/editor.h"

namespace plandex {

Editor::Editor(WindowPort &window, Prompts &prompts)
    : m_window(window)
    , m_prompts(prompts)
{
}

void Editor::load()
{
    m_state.pressX = -1;
    m_state.pressY = -1;
    showSize(m_K.width(), m_K.height());
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

} // namespace plandex
