#pragma once

#include "plan/editor.h"
#include "walkways/walkwaydrawing.h"

#include <QImage>

#include <optional>

class QPainter;

namespace plandex {

// What the plan view shows over K when "Проходы" is on: the floor a person
// of the passage width can reach from the doors, shaded where K shows bare
// floor; a cross over each piece they cannot reach; and a dimension line
// at the narrowest place on the way to each piece they reach only through
// a tight way. Found again after every change of the plan and, in a room
// of at most liveRoom, at every step of a drag; in a larger one once the
// drag ends. Only the view shows it.
class WalkwayOverlay
{
public:
    static constexpr QSize liveRoom {700, 500};

    // Numbers in the view's font.
    WalkwayOverlay(const Editor &editor, const QFont &viewFont, int passage);

    void setPassage(int cm) { m_passage = cm; }
    // Takes the room as the plan shows it now, the drag's preview in place
    // of its row; changed is what K redrew (room pixels). True when the
    // walkways were found again, so that the marks or the shading may have
    // changed anywhere.
    bool follow(const QRect &changed);

    // Paints the shading of area (room pixels) onto shown (view pixels).
    void paintFloor(QPainter &painter, const QRect &area, const QRectF &shown) const;
    // Paints the marks in view pixels, the room's top-left at origin at
    // zoom view pixels a centimetre; a room nobody can come into says so
    // at the top left of visible.
    void paintMarks(QPainter &painter, QPointF origin, double zoom, const QRect &visible) const;

private:
    // The shading of area from the walkways found last.
    void shade(const QRect &area);

    const Editor &m_editor;
    WalkwayLook m_look;
    int m_passage;
    // What the walkways were found from, and for which width.
    RoomPieces m_pieces;
    QSize m_room;
    RoomWalkways m_walkways;
    // The shading, ARGB at the room's size.
    QImage m_shade;
};

} // namespace plandex
