#include "commands/currentobject.h"
#include "commands/openingcommands.h"
#include "openings/wallplace.h"
#include "plan/editor.h"

#include <QCoreApplication>

namespace plandex {

namespace {

// Appends the opening where placeOpening finds room for it, or tells the
// refusal.
void appendOpening(
    Editor &editor, const Opening &wanted, QPointF at, bool narrowToFit, const QString &refusal)
{
    const QSize room = editor.K().size();
    const auto placed = placeOpening(editor.table(), room, wanted, at, -1, narrowToFit);
    if (!placed) {
        editor.prompts().message(refusal);
        return;
    }
    appendPlaced(editor, openingName(*placed), boxOf(openingArea(*placed, room)));
}

QString noPlaceFor(OpeningKind kind)
{
    switch (kind) {
    case OpeningKind::Door:
        return QCoreApplication::translate("Editor", "Для двери нет места!");
    case OpeningKind::Window:
        return QCoreApplication::translate("Editor", "Для окна нет места!");
    case OpeningKind::Passage:
        return QCoreApplication::translate("Editor", "Для проёма нет места!");
    }
    return {};
}

} // namespace

void addOpening(Editor &editor, OpeningKind kind, QPointF at)
{
    if (!roomForAnotherRow(editor))
        return;
    Opening wanted;
    wanted.kind = kind;
    wanted.width = defaultOpeningWidth(kind);
    wanted.hingesLeft = wanted.inward = kind == OpeningKind::Door;
    appendOpening(editor, wanted, at, true, noPlaceFor(kind));
}

void copyOpening(Editor &editor, const Opening &opening)
{
    if (!roomForAnotherRow(editor))
        return;
    const Edges gap = openingGap(opening, editor.K().size());
    const QPointF middle((gap.left + gap.right) / 2.0, (gap.top + gap.bottom) / 2.0);
    appendOpening(editor, opening, middle, false,
        QCoreApplication::translate("Editor", "Для копии нет места!"));
}

} // namespace plandex
