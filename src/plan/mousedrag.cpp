#include "model/numberreading.h"
#include "model/pairtext.h"
#include "plan/colors.h"
#include "plan/editor.h"

namespace plandex {

namespace {

// A sum that may not fit 32 bits is not stored: the target keeps its value.
void assignIfFits(qint32 &target, qint64 value)
{
    if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max())
        target = qint32(value);
}

} // namespace

void Editor::K_MouseMove(int button, int /*shift*/, double X, double Y)
{
    if (m_state.tmpStr == QLatin1String("laga"))
        return;
    if (button > buttons::left) {
        // Another button abandons the drag until the next press.
        OBNOV();
        m_state.tmpStr = QStringLiteral("laga");
        return;
    }
    if (button != buttons::left)
        return;
    switch (m_state.mode) {
    case EditMode::Create:
        moveCreate(X, Y);
        break;
    case EditMode::Move:
        moveObject(X, Y);
        break;
    case EditMode::Resize:
        resizeObject(X, Y);
        break;
    }
}

void Editor::moveCreate(double X, double Y)
{
    WindowState &s = m_state;
    if (!(X != s.pressX && Y != s.pressY && s.pressX != -1 && s.pressY != -1))
        return;
    restoreSnapshot();
    // Every object is an obstacle, also the row the press's redraw left
    // selected: nothing is being edited.
    collisionTest(s.pressX, s.pressY, X, Y, -1);
    const bool valid = X - 5 > s.pressX && Y - 5 > s.pressY && !s.collided && m_K.point(X, Y) != -1;
    if (valid) {
        showSize(numberText(X - s.pressX), numberText(Y - s.pressY));
        s.dragLeft = s.pressX;
        assignIfRead(s.dragRight, roundToInt32(X));
        s.dragTop = s.pressY;
        assignIfRead(s.dragBottom, roundToInt32(Y));
        m_bandAccepted = true;
    }
    outlinePreview(colors::white);
}

void Editor::moveObject(double X, double Y)
{
    WindowState &s = m_state;
    // Only a movement in both directions counts.
    if (X == s.pressX || Y == s.pressY || s.pressX == -1)
        return;
    restoreSnapshot();
    assignIfRead(s.dragDX, roundToInt32(s.pressX - X));
    assignIfRead(s.dragDY, roundToInt32(s.pressY - Y));
    const qint64 left = qint64(s.objLeft) - s.dragDX, top = qint64(s.objTop) - s.dragDY;
    const qint64 right = qint64(s.objRight) - s.dragDX, bottom = qint64(s.objBottom) - s.dragDY;
    stolknov(double(left), double(top), double(right), double(bottom));
    if (!s.collided) {
        assignIfFits(s.dragLeft, left);
        assignIfFits(s.dragTop, top);
        assignIfFits(s.dragRight, right);
        assignIfFits(s.dragBottom, bottom);
    }
    fillPreview(colors::green);
}

void Editor::resizeObject(double X, double Y)
{
    WindowState &s = m_state;
    if (!(X != s.pressX && Y != s.pressY && s.pressX != -1 && s.pressY != -1))
        return;
    assignIfRead(s.dragDX, roundToInt32(X - s.pressX));
    assignIfRead(s.dragDY, roundToInt32(Y - s.pressY));
    restoreSnapshot();
    const qint64 right = qint64(s.objRight) + s.dragDX;
    const qint64 bottom = qint64(s.objBottom) + s.dragDY;
    stolknov(s.objLeft, s.objTop, double(right), double(bottom));
    // At least 5 wide and high (a new object needs more than 5).
    const bool valid
        = right - 5 >= s.objLeft && bottom - 5 >= s.objTop && !s.collided && m_K.point(X, Y) != -1;
    if (valid) {
        showSize(right - s.objLeft, bottom - s.objTop);
        s.dragLeft = s.objLeft;
        s.dragTop = s.objTop;
        assignIfFits(s.dragRight, right);
        assignIfFits(s.dragBottom, bottom);
    }
    fillPreview(colors::green);
}

} // namespace plandex
