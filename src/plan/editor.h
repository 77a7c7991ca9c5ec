#pragma once

#include "model/objecttable.h"
#include "model/windowstate.h"
#include "plan/plansurface.h"
#include "plan/windowport.h"

#include <QImage>

namespace plandex {

inline const QString appTitle = QStringLiteral("Plandex");
inline const QString mainCaption = QStringLiteral("My Plandex");

// The state of the main window and the logic that edits it: the object
// table, the plan K with its snapshot tmpPic, and the window variables.
// It reaches the window only through WindowPort and Prompts.
class Editor
{
public:
    Editor(WindowPort &window, Prompts &prompts);
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    ObjectTable &table() { return m_table; }
    const ObjectTable &table() const { return m_table; }
    WindowState &state() { return m_state; }
    const WindowState &state() const { return m_state; }
    PlanSurface &K() { return m_K; }
    const PlanSurface &K() const { return m_K; }
    const QImage &tmpPic() const { return m_tmpPic; }

    // Start values of the main window: no drag, the room size in the labels.
    void load();

    // Full redraw of the plan from the table: every object blue, none
    // green, no snapshot; the last row ends up selected.
    void OBNOV();

    // The size labels W and H.
    void showSize(const QString &w, const QString &h);
    void showSize(qint64 w, qint64 h);

private:
    WindowPort &m_window;
    Prompts &m_prompts;
    ObjectTable m_table;
    WindowState m_state;
    PlanSurface m_K;
    QImage m_tmpPic;
};

} // namespace plandex
