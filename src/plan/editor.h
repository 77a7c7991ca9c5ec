#pragma once

#include "files/komfile.h"
#include "history/roomhistory.h"
#include "model/edges.h"
#include "model/objecttable.h"
#include "model/windowstate.h"
#include "openings/opening.h"
#include "plan/plansurface.h"
#include "plan/windowport.h"

#include <QImage>

#include <optional>

namespace plandex {

// Rows first to last of a table, or to its end with -1, as a room file
// holds them.
std::vector<KomRoom::Object> komObjects(const ObjectTable &table, int first = 0, int last = -1);

inline const QString appTitle = QStringLiteral("Plandex");
inline const QString mainCaption = QStringLiteral("My Plandex");
// Texts of the editor that other parts show too.
QString badFileMessage();
QString objectNamePrompt();
// Asks for an object's name, initial filled in, as the room file keeps it;
// a name starting with the openings' marker is refused and asked again.
// Empty on Cancel.
QString askObjectName(Prompts &prompts, const QString &initial = {});

// Mouse buttons as the handlers see them, summed when several are down.
namespace buttons {
inline constexpr int left = 1;
inline constexpr int right = 2;
inline constexpr int middle = 4;
} // namespace buttons

// The state of the main window and the logic that edits it: the object
// table, the plan K with its snapshot tmpPic, and the window variables.
// It reaches the window only through WindowPort and Prompts.
class Editor;

// The opening row `row` stands for in the editor's room; empty for an
// object or no row. currentOpening for the selected row.
std::optional<Opening> rowOpening(const Editor &editor, int row);
std::optional<Opening> currentOpening(const Editor &editor);
// How the list and the window name a row ("Дверь 80" for an opening).
QString shownRowName(const Editor &editor, int row);

class Editor final : private HistoryTarget
{
public:
    Editor(WindowPort &window, Prompts &prompts);
    Editor(const Editor &) = delete;
    Editor &operator=(const Editor &) = delete;

    ObjectTable &table() override { return m_table; }
    const ObjectTable &table() const { return m_table; }
    WindowState &state() { return m_state; }
    const WindowState &state() const { return m_state; }
    PlanSurface &K() { return m_K; }
    const PlanSurface &K() const { return m_K; }
    // The plan snapshot of the running drag: the plan as the press left it,
    // before any preview. Kept as the pixels under the preview, not as a
    // second image; this puts them together (null without a snapshot).
    QImage tmpPic() const { return m_K.savedImage(); }
    RoomHistory &history() { return m_history; }
    const RoomHistory &history() const { return m_history; }
    // Where the editor's questions and messages go.
    Prompts &prompts() { return m_prompts; }

    // The box a running drag shows, and the row it moves or resizes (-1 for
    // a new object): a rubber band once it had a valid size, a grabbed
    // object from the press on. Empty while no drag shows one.
    struct DragPreview {
        Edges box;
        int row = -1;
    };
    std::optional<DragPreview> dragPreview() const;

    // Start values of the main window: no drag, the room size in the
    // labels, the delete button following the selection.
    void load();

    // Full redraw of the plan from the table: every object blue, none
    // green, no snapshot; the last row ends up selected.
    void OBNOV();

    // The mouse on the plan: button set, shift state (unused), position in
    // plan pixels.
    void K_MouseDown(int button, int shift, double X, double Y);
    void K_MouseMove(int button, int shift, double X, double Y);
    void K_MouseUp(int button, int shift, double X, double Y);

    // Hit test: makes the first object containing the point current and
    // green, or selects nothing.
    void testpoz(double X, double Y);
    // Collision test: collided becomes true when the rectangle leaves the
    // room or meets an object other than the selected one.
    void stolknov(double Xa, double Ya, double Xb, double Yb);
    // The same with the row to leave out given explicitly (-1: none).
    void collisionTest(double Xa, double Ya, double Xb, double Yb, int exemptRow);

    // The list's click handler, run on every setting of the selection.
    void L_Click();
    void DelObj_Click();
    void create_Click();
    void selct_Click();
    void Rsiz_Click();
    // Enables the delete button exactly while an object is selected; runs
    // on every change of the selection.
    void Timer1_Timer();

    // In resize mode, opens the size dialog for the current object.
    void K_DblClick();
    // The size dialog for the selected row, from what the labels show.
    void sizeDialogFromLabels();
    // Gives the current object length a and width b, keeping its top-left
    // corner, unless it would be empty, leave the room or meet an object.
    void vvod(double a, double b);

    // Asks for a new room's size and starts an empty room of that size.
    void btnNew_Click();
    // Applies newW x newH as the room size, or refuses it with a message
    // and "No" in tmpStr.
    void setKomnata();
    // Fits the window and the name list around the plan.
    void ProvForm();

    // Replaces the room by the one in the file nam. A file that cannot be
    // read or is not a sound room file changes nothing but is reported.
    void openKom(const QString &nam);
    // A room kept for recovery, shown as a room with unsaved changes that
    // belongs to file (none when empty); the history starts afresh.
    void recoverRoom(const KomRoom &room, const QString &file);
    // The room as a room file holds it.
    KomRoom komRoom() const;
    // Writes the room to nam, replacing the file; afterwards the last
    // object is current. A failure is reported and returns false; an old
    // file stays as it was.
    bool saveKom(const QString &nam);
    // Writes the plan's image to path as a 24-bit Windows bitmap; a failure
    // is reported and returns false.
    bool exportBmp(const QString &path);
    // The program's command-line text: when it holds more than blanks, the
    // whole of it, trimmed, is the path of a room file to open.
    void openCommandLine(const QString &text);

    // After an undo or redo put rows back: fits the window, redraws and
    // makes row touched current (none with -1); no drag is left over.
    void showRestored(int touched) override;
    // Gives the room this size, keeping every object and the doors and
    // windows in their walls, shown as a new room is; gives back the size
    // it had. The caller makes sure that everything still fits.
    QSize resizeRoom(QSize size) override;

    // The file the room was last opened from or saved to; empty for a new
    // room. An undone open or new room gives back the file of the room it
    // brings back.
    const QString &roomFile() const { return m_roomFile; }
    void setRoomFile(const QString &path) { m_roomFile = path; }
    // The file a save offers: a recovered room's file until the room is
    // saved or replaced; empty otherwise, and saving starts as ever.
    QString fileToOffer() const { return m_offerRoomFile ? m_roomFile : QString(); }

    // Whether a move or resize that would meet something goes as far as it
    // can instead of stopping where it was.
    bool sliding() const { return m_sliding; }
    void setSliding(bool on) { m_sliding = on; }

    // The size labels W and H.
    void showSize(const QString &w, const QString &h);
    void showSize(qint64 w, qint64 h);
    // A size worked out in 32 bits: a label whose number does not fit
    // keeps its text, as a failing step does.
    void showSize32(qint64 w, qint64 h);

private:
    RoomContents exchangeRoom(RoomContents room) override;
    // Puts the press-time snapshot back, where the last preview lay.
    void restoreSnapshot();
    void pressCreate(double X, double Y);
    void pressGrab(int button, double X, double Y);
    void moveCreate(double X, double Y);
    void moveObject(double X, double Y);
    void resizeObject(double X, double Y);
    // Moves the preview as far as it can towards wanted; false when the
    // slide cannot judge the room and the drag step goes as it always did.
    bool slidePreview(const Edges &wanted, bool resize);
    void releaseCreate();
    void cancelCreation();
    // Rewrites the selected row with the preview rectangle.
    void commitPreview();
    // A grabbed object's drag ends without a commit: its preview goes.
    void dropPreview();
    // The current object in an object colour: an opening's symbol in the
    // colour of its own that stands for it, black erasing it.
    void fillObj(int rgb);
    void paintBox(const Edges &box, int rgb);
    void paintOpening(const Opening &opening, int rgb);
    // The opening whose area is exactly box, if a row holds one.
    std::optional<Opening> openingWithArea(const Edges &box) const;
    // The lowest opening row whose symbol covers the point; -1 for none.
    int openingRowAt(double X, double Y) const;
    // A grabbed opening follows the mouse along its wall or onto the
    // nearest other one.
    void pressOpening(const Opening &opening);
    void moveOpening(double X, double Y);
    void releaseOpening();
    void fillPreview(int rgb);
    void outlinePreview(int rgb);
    // Puts the room of a sound file on the plan, as belonging to file.
    void showRoom(const KomRoom &room, const QString &file);

    WindowPort &m_window;
    Prompts &m_prompts;
    ObjectTable m_table;
    WindowState m_state;
    PlanSurface m_K;
    RoomHistory m_history {*this};
    // Whether the running create-mode drag ever showed a valid rubber band.
    bool m_bandAccepted = false;
    // A drag's preview is on the plan where the table has no such object;
    // only a redraw takes it off.
    bool m_previewShown = false;
    // The opening grabbed in move mode, as it was and where its preview is.
    struct OpeningDrag {
        Opening original;
        Opening preview;
    };
    std::optional<OpeningDrag> m_openingDrag;
    bool m_sliding = false;
    QString m_roomFile;
    bool m_offerRoomFile = false;
};

} // namespace plandex
