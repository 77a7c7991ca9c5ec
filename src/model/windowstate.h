#pragma once

#include <QString>
#include <QtGlobal>

namespace plandex {

enum class EditMode { Create, Move, Resize };

// The main window's variables, with their start values. Coordinates are
// whole centimetres, which are plan pixels.
struct WindowState {
    // Short-lived status word shared by handlers and windows: "HElaga"
    // (drag armed), "laga" (drag abandoned), a name, "Sav"/"Exp",
    // "Yes"/"No", a file's text.
    QString tmpStr;

    // The current object's rectangle, as last loaded by getXY.
    qint32 objLeft = 0, objTop = 0, objRight = 0, objBottom = 0;
    // Whether objLeft..objBottom were loaded from a row, rather than zeroed
    // to mean "no object": the highlight only paints real objects.
    bool objHeld = false;
    // Offset of the running drag.
    qint32 dragDX = 0, dragDY = 0;
    // The object the collision test compares against.
    qint32 othLeft = 0, othTop = 0, othRight = 0, othBottom = 0;
    // The preview: the last accepted rectangle of the drag.
    qint32 dragLeft = 0, dragTop = 0, dragRight = 0, dragBottom = 0;
    // Press point of the current drag; -1, -1 when no drag is active.
    qint32 pressX = -1, pressY = -1;

    bool collided = false;
    // False while code walks the rows; the list click then draws nothing.
    bool listReady = false;

    EditMode mode = EditMode::Create;

    // The size dialog's answer in room mode, kept between its uses.
    qint32 newW = 0, newH = 0;

    // What the size labels W and H show.
    QString labelW, labelH;
};

} // namespace plandex
