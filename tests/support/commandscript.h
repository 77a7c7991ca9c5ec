#pragma once

#include "commands/objectcommands.h"
#include "plan/editor.h"
#include "support/fakewindow.h"

#include <QStringList>

// A headless editor in a room of the given size holding the objects
// "A 100,100,150,150; ..." (left, top, right, bottom, stored as a file
// stores them: "100|150"), redrawn.
struct CommandRoom {
    FakeWindow window;
    ScriptedPrompts prompts;
    plandex::Editor e {window, prompts};

    CommandRoom(QSize room, const QString &objects)
    {
        e.load();
        e.K().resize(room);
        for (const QString &object : objects.split("; ", Qt::SkipEmptyParts)) {
            const QStringList n = object.section(' ', 1).split(',');
            if (n.size() == 4)
                e.table().append(object.section(' ', 0, 0), n[0] + '|' + n[2], n[1] + '|' + n[3]);
        }
        e.OBNOV();
    }

    // The first three rows, "name:x pair,y pair" each.
    QString rows() const
    {
        QStringList out;
        for (int i = 0; i < e.table().count() && i < 3; ++i)
            out << e.table().name(i) + ':' + e.table().xText(i) + ',' + e.table().yText(i);
        return out.join("; ");
    }

    // Runs one of the keyboard's commands on the current object: right,
    // left, up, down (10 cm with "10" after it), turn, copy, delete, yes
    // (the next question answered Yes), undo. False for another word.
    bool command(const QString &c)
    {
        using namespace plandex;
        const int step = c.endsWith("10") ? 10 : 1;
        if (c.startsWith("right") || c.startsWith("left"))
            nudge(e, c.startsWith("left") ? -step : step, 0);
        else if (c.startsWith("up") || c.startsWith("down"))
            nudge(e, 0, c.startsWith("up") ? -step : step);
        else if (c == "turn")
            turnCurrent(e);
        else if (c == "copy")
            copyCurrent(e);
        else if (c == "delete")
            deleteCurrent(e);
        else if (c == "yes")
            prompts.confirmAnswers.push_back(true);
        else if (c == "undo")
            e.history().undo();
        else
            return false;
        return true;
    }

    // What the script did: the rows, "/ selection / undo steps", each
    // message told, and a "!" for each beep.
    QString outcome()
    {
        const int steps = e.history().stack().index();
        return QStringList({rows(), QString::number(e.table().selection()), QString::number(steps)})
                   .join(" / ")
                   .trimmed()
            + (prompts.messages.isEmpty() ? "" : ' ' + prompts.messages.join(' '))
            + (prompts.beeps == 0 ? "" : ' ' + QString(prompts.beeps, u'!'));
    }
};
