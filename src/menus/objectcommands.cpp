#include "menus/objectcommands.h"

#include "commands/objectcommands.h"
#include "commands/openingcommands.h"
#include "menus/commandmenu.h"
#include "placement/furniture.h"
#include "plan/editor.h"

#include <QCoreApplication>
#include <QMenu>

#include <utility>

namespace plandex {

namespace {

// The context its texts are translated in.
struct ObjectCommands {
    Q_DECLARE_TR_FUNCTIONS(ObjectCommands)
};

void addNudges(Editor &e, CommandMenu &menu)
{
    QMenu *nudges = menu.addSubmenu(MenuSection::Object, ObjectCommands::tr("Сдвинуть"), false);
    struct Direction {
        const char *one, *ten;
        Qt::Key key;
        int dx, dy;
    };
    const Direction directions[] = {
        {QT_TRANSLATE_NOOP("ObjectCommands", "Влево на 1 см"),
            QT_TRANSLATE_NOOP("ObjectCommands", "Влево на 10 см"), Qt::Key_Left, -1, 0},
        {QT_TRANSLATE_NOOP("ObjectCommands", "Вправо на 1 см"),
            QT_TRANSLATE_NOOP("ObjectCommands", "Вправо на 10 см"), Qt::Key_Right, 1, 0},
        {QT_TRANSLATE_NOOP("ObjectCommands", "Вверх на 1 см"),
            QT_TRANSLATE_NOOP("ObjectCommands", "Вверх на 10 см"), Qt::Key_Up, 0, -1},
        {QT_TRANSLATE_NOOP("ObjectCommands", "Вниз на 1 см"),
            QT_TRANSLATE_NOOP("ObjectCommands", "Вниз на 10 см"), Qt::Key_Down, 0, 1},
    };
    for (const int step : {1, 10}) {
        if (step == 10)
            nudges->addSeparator();
        for (const Direction &d : directions) {
            const QKeyCombination key = step == 1 ? Qt::CTRL | d.key : Qt::CTRL | Qt::SHIFT | d.key;
            menu.addTo(nudges, ObjectCommands::tr(step == 1 ? d.one : d.ten), {QKeySequence(key)},
                [&e, d, step] { nudge(e, d.dx * step, d.dy * step); });
        }
    }
}

void addPieces(Editor &e, CommandMenu &menu)
{
    QMenu *pieces = menu.addSubmenu(MenuSection::Object, ObjectCommands::tr("Добавить"));
    for (const FurniturePiece &piece : furniturePieces()) {
        const QString title = piece.title();
        menu.addTo(pieces,
            ObjectCommands::tr("%1 (%2 × %3)").arg(title).arg(piece.length).arg(piece.width), {},
            [&e, &menu, title, size = piece.size()] {
                addPiece(e, title, size, menu.planPoint());
            });
    }
    pieces->addSeparator();
    const std::pair<OpeningKind, const char *> openings[] = {
        {OpeningKind::Door, QT_TRANSLATE_NOOP("ObjectCommands", "Дверь")},
        {OpeningKind::Window, QT_TRANSLATE_NOOP("ObjectCommands", "Окно")},
        {OpeningKind::Passage, QT_TRANSLATE_NOOP("ObjectCommands", "Проём")},
    };
    for (const auto &opening : openings)
        menu.addTo(pieces, ObjectCommands::tr(opening.second), {},
            [&e, &menu, kind = opening.first] { addOpening(e, kind, menu.planPoint()); });
}

} // namespace

void addObjectCommands(Editor &e, CommandMenu &menu)
{
    menu.add(MenuSection::Object, ObjectCommands::tr("Копировать"),
        {QKeySequence(Qt::CTRL | Qt::Key_D)}, [&e] { copyCurrent(e); });
    menu.add(MenuSection::Object, ObjectCommands::tr("Повернуть"),
        {QKeySequence(Qt::CTRL | Qt::Key_R)}, [&e] { turnCurrent(e); });
    addNudges(e, menu);
    addPieces(e, menu);
    menu.add(MenuSection::Object, ObjectCommands::tr("Удалить"), {QKeySequence(Qt::Key_Delete)},
        [&e] { deleteCurrent(e); });
}

} // namespace plandex
