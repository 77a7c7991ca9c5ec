#include "model/numberreading.h"
#include "model/pairtext.h"
#include "placement/sliding.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <algorithm>

namespace plandex {

namespace {

bool allFit(std::initializer_list<qint64> values)
{
    return std::all_of(values.begin(), values.end(), fitsInt32);
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
    m_previewShown = true;
}

void Editor::moveObject(double X, double Y)
{
    if (m_openingDrag) {
        moveOpening(X, Y);
        return;
    }
    WindowState &s = m_state;
    // Only a movement in both directions counts.
    if (X == s.pressX || Y == s.pressY || s.pressX == -1)
        return;
    restoreSnapshot();
    assignIfRead(s.dragDX, roundToInt32(s.pressX - X));
    assignIfRead(s.dragDY, roundToInt32(s.pressY - Y));
    const qint64 left = qint64(s.objLeft) - s.dragDX, top = qint64(s.objTop) - s.dragDY;
    const qint64 right = qint64(s.objRight) - s.dragDX, bottom = qint64(s.objBottom) - s.dragDY;
    // An edge that does not fit 32 bits fails the step: the test is skipped
    // and its last verdict stands.
    const bool fits = allFit({left, top, right, bottom});
    const bool slid = fits && m_sliding && slidePreview({left, top, right, bottom}, false);
    if (fits && !slid)
        stolknov(double(left), double(top), double(right), double(bottom));
    // A rectangle the test never saw is not taken as the preview.
    if (fits && !slid && !s.collided) {
        s.dragLeft = qint32(left);
        s.dragTop = qint32(top);
        s.dragRight = qint32(right);
        s.dragBottom = qint32(bottom);
    }
    fillPreview(colors::green);
    m_previewShown = true;
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
    const bool fits = allFit({right, bottom});
    const bool bigEnough = right - 5 >= s.objLeft && bottom - 5 >= s.objTop;
    // A slide stops at the walls, so the mouse may leave the plan.
    const bool slid = fits && bigEnough && m_sliding
        && slidePreview({s.objLeft, s.objTop, right, bottom}, true);
    if (slid)
        showSize32(qint64(s.dragRight) - s.dragLeft, qint64(s.dragBottom) - s.dragTop);
    if (fits && !slid)
        stolknov(s.objLeft, s.objTop, double(right), double(bottom));
    // At least 5 wide and high (a new object needs more than 5).
    const bool valid = fits && !slid && bigEnough && !s.collided && m_K.point(X, Y) != -1;
    if (valid) {
        showSize32(right - s.objLeft, bottom - s.objTop);
        s.dragLeft = s.objLeft;
        s.dragTop = s.objTop;
        s.dragRight = qint32(right);
        s.dragBottom = qint32(bottom);
    }
    fillPreview(colors::green);
    m_previewShown = true;
}

bool Editor::slidePreview(const Edges &wanted, bool resize)
{
    const SpatialIndex &places = m_table.places();
    if (!places.usable())
        return false;
    WindowState &s = m_state;
    const Edges to = slideBox({s.dragLeft, s.dragTop, s.dragRight, s.dragBottom}, wanted, resize,
        m_K.size(), places, m_table.selection());
    // The collision test has the last word, as on every drag step; it may
    // see what the slide could not, such as an object the drag began on.
    stolknov(double(to.left), double(to.top), double(to.right), double(to.bottom));
    if (s.collided)
        return false;
    s.dragLeft = qint32(to.left);
    s.dragTop = qint32(to.top);
    s.dragRight = qint32(to.right);
    s.dragBottom = qint32(to.bottom);
    return true;
}

} // namespace plandex
