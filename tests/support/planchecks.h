#pragma once

#include "plan/colors.h"
#include "plan/editor.h"

#include <QRect>
#include <QString>

// The rectangle of row i as the table holds it, both corners included.
inline QRect rowRect(const plandex::Editor &e, int i)
{
    const auto &row = e.table().row(i);
    return QRect(QPoint(row.xValues.first.value_or(0), row.yValues.first.value_or(0)),
        QPoint(row.xValues.second.value_or(0), row.yValues.second.value_or(0)));
}

// Adds an object as a loaded room would hold it and redraws.
inline void addObject(plandex::Editor &e, const QString &name, QRect r)
{
    e.table().append(name, QString("%1|%2").arg(r.left()).arg(r.right()),
        QString("%1|%2").arg(r.top()).arg(r.bottom()));
    e.OBNOV();
}

// The plan the table gives: every object but row skip blue on black.
inline QImage tablePlan(const plandex::Editor &e, int skip = -1)
{
    const QRect room(QPoint(0, 0), e.K().size());
    QImage expected(e.K().size(), QImage::Format_RGB32);
    expected.fill(Qt::black);
    for (int i = 0; i < e.table().count(); ++i) {
        if (i == skip)
            continue;
        const QRect r = rowRect(e, i).intersected(room);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                expected.setPixel(x, y, qRgb(0, 0, 255));
    }
    return expected;
}

// The first pixel where shown differs from expected, described; empty when
// none does. Inside mayBeGreen a green pixel is no difference.
inline QString pixelFault(const QImage &shown, const QImage &expected, QRect mayBeGreen)
{
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const int got = int(shown.pixel(x, y) & 0xFFFFFF);
            const int want = int(expected.pixel(x, y) & 0xFFFFFF);
            if (got == want || (got == plandex::colors::green && mayBeGreen.contains(x, y)))
                continue;
            return QString("plan pixel (%1, %2) is %3, expected %4")
                .arg(x)
                .arg(y)
                .arg(got, 6, 16, QChar('0'))
                .arg(want, 6, 16, QChar('0'));
        }
    }
    return {};
}

// What must hold whenever no drag is running: every object lies inside the
// room and touches no other; the plan shows exactly the table, every
// object blue except that the selected one may be green, and nothing else.
// Returns a description of the first fault, or an empty text.
inline QString planFault(const plandex::Editor &e)
{
    using namespace plandex;
    const QRect room(QPoint(0, 0), e.K().size());
    const int rows = e.table().count();
    for (int i = 0; i < rows; ++i) {
        const QRect r = rowRect(e, i);
        if (!r.isValid() || r.left() < 0 || r.top() < 0 || r.right() > room.width()
            || r.bottom() > room.height())
            return QString("row %1 (%2) leaves the room or is empty").arg(i).arg(e.table().name(i));
        for (int j = i + 1; j < rows; ++j) {
            if (r.intersects(rowRect(e, j)))
                return QString("rows %1 and %2 touch").arg(i).arg(j);
        }
    }
    const QRect selected = e.table().selection() >= 0 ? rowRect(e, e.table().selection()) : QRect();
    return pixelFault(e.K().image(), tablePlan(e), selected);
}

// What must hold during a move or resize drag of row grabbed: the plan
// shows every other object blue and the preview green, nothing else.
inline QString dragFault(const plandex::Editor &e, int grabbed, QRect preview)
{
    QImage expected = tablePlan(e, grabbed);
    const QRect r = preview.intersected(expected.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            expected.setPixel(x, y, qRgb(0, 255, 0));
    return pixelFault(e.K().image(), expected, {});
}
