#include "sheet/pieceschedule.h"

#include "drawing/labeltext.h"
#include "drawing/roomdrawing.h"
#include "sheet/sheetlayout.h"
#include "sheet/sheetstyle.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numeric>

namespace plandex {

namespace {

// The context its texts are translated in.
struct PieceSchedule {
    Q_DECLARE_TR_FUNCTIONS(PieceSchedule)
};

// The heads of the columns, each of one or two lines.
QStringList heads()
{
    return {PieceSchedule::tr("№"), PieceSchedule::tr("Предмет"), PieceSchedule::tr("Размер,\nсм"),
        PieceSchedule::tr("От левой\nстены, см"), PieceSchedule::tr("От верхней\nстены, см")};
}

QStringList cells(const ScheduleRow &row)
{
    return {QString::number(row.number), row.name, objectSizeText(row.width, row.depth),
        QString::number(row.fromLeft), QString::number(row.fromTop)};
}

constexpr double padMm = 1.2;
constexpr double blockGapMm = 6;
constexpr double marginMm = 10;

// The next rows from first that fit area, in blocks side by side; the row
// after the last placed.
int fill(ScheduleLayout &s, const QRectF &area, int page, int first, int count, double gap)
{
    const double width = s.width();
    int row = first;
    for (double x = area.left(); row < count && x + width <= area.right() + 0.5; x += width + gap) {
        ScheduleLayout::Block block {page, {x, area.top()}, row, row};
        double y = area.top() + s.headHeight;
        // At least one row a block, however tall its name.
        while (row < count && (row == block.first || y + s.rowHeight(row) <= area.bottom())) {
            y += s.rowHeight(row);
            ++row;
        }
        block.end = row;
        s.blocks.push_back(block);
    }
    return row;
}

} // namespace

double ScheduleLayout::width() const
{
    return std::accumulate(columns.begin(), columns.end(), 0.0);
}

ScheduleLayout layOutSchedule(const SheetLayout &layout, const std::vector<ScheduleRow> &rows,
    const std::vector<QRectF> &beside)
{
    ScheduleLayout s;
    if (rows.empty())
        return s;
    TextMeasure measure(QFontMetricsF(sheetFont(layout, textDigitMm)));
    const QFontMetricsF &metrics = measure.metrics();
    const double pad = layout.mm(padMm);
    s.lineHeight = metrics.height();
    s.rowPad = s.lineHeight / 3;
    s.headHeight = 2 * s.lineHeight + s.rowPad;
    const QStringList head = heads();
    for (const QString &h : head) {
        double widest = 0;
        for (const QString &line : h.split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        s.columns.push_back(widest);
    }
    s.numberWidths.reserve(rows.size());
    for (const ScheduleRow &row : rows) {
        const QStringList c = cells(row);
        for (int i = 0; i < c.size(); ++i)
            if (i != 1)
                s.columns[size_t(i)] = std::max(s.columns[size_t(i)], measure.advances(c[i]));
        s.numberWidths.push_back(measure.advances(c[0]));
    }
    // A name on one line as long as the page is wide enough; a longer one
    // (only a file made elsewhere has it) wraps.
    const double nameMost = layout.page.width() - layout.mm(2 * marginMm)
        - std::accumulate(s.columns.begin(), s.columns.end(), 0.0) + s.columns[1]
        - 2 * pad * double(s.columns.size());
    std::vector<double> oneLine(rows.size(), -1); // the width of a name that fits one
    for (size_t r = 0; r < rows.size(); ++r) {
        if (measure.fits(rows[r].name, nameMost, &oneLine[r]))
            s.columns[1] = std::max(s.columns[1], oneLine[r]);
        else
            s.columns[1] = std::max(s.columns[1], nameMost);
    }
    s.names.reserve(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        const QString &name = rows[r].name;
        QStringList lines = oneLine[r] >= 0 && oneLine[r] <= s.columns[1]
            ? QStringList {name}
            : measure.wrapped(name, s.columns[1], scheduleNameLines).lines;
        if (lines.isEmpty())
            lines << QString();
        s.names.push_back(std::move(lines));
    }
    for (double &c : s.columns)
        c += 2 * pad;

    const double gap = layout.mm(blockGapMm);
    const int count = int(rows.size());
    for (const QRectF &area : beside) {
        s.blocks.clear();
        if (!area.isEmpty() && fill(s, area, 0, 0, count, gap) == count)
            return s;
    }
    s.blocks.clear();
    const double margin = layout.mm(marginMm);
    const QRectF page(QPointF(margin, margin),
        QPointF(layout.page.width() - margin, layout.titleBlock.top() - layout.mm(5)));
    int row = 0;
    while (row < count) {
        const int before = row;
        row = fill(s, page, s.pages, row, count, gap);
        ++s.pages;
        if (row == before) // a page narrower than a block: one block a page
            row = fill(s, QRectF(page.topLeft(), QSizeF(s.width(), page.height())), s.pages - 1,
                row, count, gap);
    }
    return s;
}

void drawSchedule(QPainter &painter, const SheetLayout &layout, const ScheduleLayout &schedule,
    const std::vector<ScheduleRow> &rows, int page)
{
    const QFont font = sheetFont(layout, textDigitMm);
    const QFontMetricsF metrics(font);
    const double pad = layout.mm(padMm);
    const QStringList head = heads();
    painter.save();
    painter.setFont(font);
    for (const ScheduleLayout::Block &b : schedule.blocks) {
        if (b.page != page)
            continue;
        const double width = schedule.width();
        std::vector<QLineF> lines;
        double x = b.at.x();
        for (size_t c = 0; c < schedule.columns.size(); ++c) {
            const QStringList parts = head[qsizetype(c)].split(u'\n');
            for (qsizetype l = 0; l < parts.size(); ++l)
                painter.drawText(QPointF(x + pad,
                                     b.at.y() + schedule.rowPad / 2 + l * schedule.lineHeight
                                         + metrics.ascent()),
                    parts[l]);
            x += schedule.columns[c];
        }
        double y = b.at.y() + schedule.headHeight;
        lines.emplace_back(b.at.x(), y, b.at.x() + width, y);
        for (int r = b.first; r < b.end; ++r) {
            const QStringList c = cells(rows[size_t(r)]);
            const double base = y + schedule.rowPad / 2 + metrics.ascent();
            // The number right-aligned, as figures in a column are.
            painter.drawText(
                QPointF(
                    b.at.x() + schedule.columns[0] - pad - schedule.numberWidths[size_t(r)], base),
                c[0]);
            x = b.at.x() + schedule.columns[0];
            const QStringList &name = schedule.names[size_t(r)];
            for (qsizetype l = 0; l < name.size(); ++l)
                painter.drawText(QPointF(x + pad, base + double(l) * schedule.lineHeight), name[l]);
            x += schedule.columns[1];
            for (size_t i = 2; i < schedule.columns.size(); ++i) {
                painter.drawText(QPointF(x + pad, base), c[qsizetype(i)]);
                x += schedule.columns[i];
            }
            y += schedule.rowHeight(r);
            lines.emplace_back(b.at.x(), y, b.at.x() + width, y);
        }
        x = b.at.x();
        for (size_t c = 0; c <= schedule.columns.size(); ++c) {
            lines.emplace_back(x, b.at.y(), x, y);
            if (c < schedule.columns.size())
                x += schedule.columns[c];
        }
        painter.setPen(sheetLine(layout, 0.18));
        painter.drawLines(lines.data(), int(lines.size()));
        painter.setPen(Qt::black);
    }
    painter.restore();
}

} // namespace plandex
