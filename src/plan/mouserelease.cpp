#include "model/geometry.h"
#include "model/pairtext.h"
#include "plan/colors.h"
#include "plan/editor.h"

namespace plandex {

void Editor::K_MouseUp(int /*button*/, int /*shift*/, double X, double Y)
{
    WindowState &s = m_state;
    if (s.tmpStr == QLatin1String("laga")) {
        // The drag was abandoned; only the list the press hid comes back.
        m_window.setListVisible(true);
        return;
    }
    m_window.setListVisible(true);
    s.tmpStr.clear();
    // The drag ends here, and with it the snapshot, so that later drawing
    // (list clicks) is not saved for nothing; only a create-mode release
    // that creates nothing takes a new one, for a left button still held.
    m_K.stopSaving();

    const bool creation
        = s.mode == EditMode::Create && X > qint64(s.pressX) + 3 && Y > qint64(s.pressY) + 3;
    if (creation) {
        if (s.pressX == -1 || s.pressY == -1)
            return;
        releaseCreate();
    } else if (s.mode == EditMode::Create && s.pressX != -1) {
        // Take an uncommitted rubber band off the plan. Redrawing gives back
        // exactly the plan the press showed, also where the band was an
        // older rectangle drawn over objects. The left button may still be
        // down after another button's release, so the drag keeps a snapshot.
        OBNOV();
        m_K.saveUnder();
    }

    if (s.mode == EditMode::Move && m_openingDrag) {
        releaseOpening();
    } else if (s.mode == EditMode::Move) {
        if (s.dragDX == 0 || s.dragDY == 0 || s.pressX == -1 || s.pressY == -1) {
            dropPreview();
            return;
        }
        commitPreview();
        OBNOV();
        testpoz(X, Y);
    } else if (s.mode == EditMode::Resize) {
        if (X == s.pressX || Y == s.pressY || s.pressX == -1 || s.pressY == -1) {
            dropPreview();
            return;
        }
        // The last move asked for less than 5: the object keeps its size.
        const bool tooSmall = qint64(s.objRight) + s.dragDX - 5 < s.objLeft
            || qint64(s.objBottom) + s.dragDY - 5 < s.objTop;
        if (!tooSmall)
            commitPreview();
        OBNOV();
        testpoz(X, Y);
    }

    s.dragLeft = s.dragTop = s.dragRight = s.dragBottom = 0;
}

void Editor::releaseCreate()
{
    WindowState &s = m_state;
    // Without a rubber band that passed the collision test there is nothing
    // safe to store: the preview still holds an older rectangle or zeros.
    if (!m_bandAccepted) {
        cancelCreation();
    } else {
        s.tmpStr = askObjectName(m_prompts);
        if (s.tmpStr.isEmpty()) {
            cancelCreation();
        } else {
            fillPreview(colors::blue);
            m_previewShown = false;
            const bool added = m_table.append(s.tmpStr, createdPair(s.dragLeft, s.dragRight),
                createdPair(s.dragTop, s.dragBottom));
            // A full table takes nothing: take the box off the plan again.
            if (!added)
                OBNOV();
            else
                m_history.rowAdded(m_table.count() - 1);
        }
    }
    m_table.select(m_table.count() - 1);
}

void Editor::cancelCreation()
{
    WindowState &s = m_state;
    outlinePreview(colors::black);
    forgetObject(s);
    s.dragDX = s.dragDY = 0;
    s.dragLeft = s.dragTop = s.dragRight = s.dragBottom = 0;
    m_K.clear();
    OBNOV();
}

void Editor::dropPreview()
{
    const WindowState &s = m_state;
    if (s.pressX == -1 || s.pressY == -1)
        return;
    const bool moved = s.dragLeft != s.objLeft || s.dragTop != s.objTop || s.dragRight != s.objRight
        || s.dragBottom != s.objBottom;
    if (!moved) {
        m_previewShown = false;
        return;
    }
    // The green preview shows a place the table does not hold: show the
    // object where it is, still current.
    const int row = m_table.selection();
    OBNOV();
    m_table.select(row);
}

void Editor::commitPreview()
{
    WindowState &s = m_state;
    const int row = m_table.selection();
    m_table.setSavedIndex(QString::number(row));
    s.tmpStr = m_table.selectedName();
    if (row < 0)
        return;
    const ObjectTable::Row before = m_table.row(row);
    m_table.rewrite(
        row, s.tmpStr, editedPair(s.dragLeft, s.dragRight), editedPair(s.dragTop, s.dragBottom));
    m_history.rowRewritten(row, before);
}

} // namespace plandex
