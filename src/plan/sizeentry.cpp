#include "model/geometry.h"
#include "model/numberreading.h"
#include "model/pairtext.h"
#include "plan/colors.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

void Editor::K_DblClick()
{
    if (m_state.mode != EditMode::Resize || m_table.selection() == -1) {
        // The release that ends the double click is ignored.
        m_state.tmpStr = QStringLiteral("laga");
        return;
    }
    sizeDialogFromLabels();
}

void Editor::sizeDialogFromLabels()
{
    getXY(m_table, m_state);
    m_window.showSizeDialog(m_table.selectedName(), m_state.labelW, m_state.labelH);
    fillObj(colors::green);
}

void Editor::vvod(double a, double b)
{
    // An opening's size is its width on its wall, which the size dialog
    // does not know.
    if (currentOpening(*this))
        return;
    WindowState &s = m_state;
    const qint32 cornerX = s.objLeft, cornerY = s.objTop;
    const double right = double(s.objLeft) + a, bottom = double(s.objTop) + b;
    const auto roundedRight = roundToInt32(right);
    const auto roundedBottom = roundToInt32(bottom);

    // A size under 1 cm would store swapped or equal edges; the room test
    // only looks at one edge on each side, so it must be caught first.
    if (roundedRight && roundedBottom
        && (qint64(*roundedRight) - s.objLeft < 1 || qint64(*roundedBottom) - s.objTop < 1)) {
        m_prompts.message(
            QCoreApplication::translate("Editor", "Длина и ширина должны быть больше нуля!"));
        return;
    }
    // The test sees the unrounded edges.
    stolknov(s.objLeft, s.objTop, right, bottom);
    if (s.collided) {
        m_prompts.message(QCoreApplication::translate(
            "Editor", "При таком значении объекты налагаются друг на друга!"));
        return;
    }
    fillObj(colors::black);
    s.dragLeft = s.objLeft;
    s.dragTop = s.objTop;
    assignIfRead(s.dragRight, roundedRight);
    assignIfRead(s.dragBottom, roundedBottom);
    fillPreview(colors::green);
    commitPreview();
    OBNOV();
    testpoz(cornerX, cornerY);
}

} // namespace plandex
