#include "drawing/labeltext.h"

#include <QFontMetricsF>

namespace plandex {

namespace {

// How many characters a line of width could hold at the most.
qsizetype enoughFor(double width, const QFontMetricsF &metrics)
{
    return qsizetype(width / (0.15 * metrics.height())) + 2;
}

bool fits(const QString &text, double width, const QFontMetricsF &metrics)
{
    return text.size() <= enoughFor(width, metrics) && metrics.horizontalAdvance(text) <= width;
}

// The most characters of text from its start that fit width: measured by
// halves, so a long word costs a few measures.
qsizetype fittingPrefix(const QString &text, double width, const QFontMetricsF &metrics)
{
    qsizetype lo = 0, hi = std::min(text.size(), enoughFor(width, metrics));
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

} // namespace

QString shortenedText(const QString &text, double width, const QFontMetricsF &metrics)
{
    if (fits(text, width, metrics))
        return text;
    const QString ellipsis(u'…');
    QString kept
        = text.left(fittingPrefix(text, width - metrics.horizontalAdvance(ellipsis), metrics));
    // A cut number reads as another number: "60 × 1…" could be 100 or 150.
    while (!kept.isEmpty() && kept.back().isDigit())
        kept.chop(1);
    while (!kept.isEmpty() && (kept.back().isSpace() || kept.back().isPunct()))
        kept.chop(1);
    return kept.isEmpty() ? QString() : kept + ellipsis;
}

WrappedText wrappedText(const QString &text, double width, int lines, const QFontMetricsF &metrics)
{
    WrappedText out;
    QString rest = text.trimmed();
    while (!rest.isEmpty() && out.lines.size() < lines) {
        if (fits(rest, width, metrics)) {
            out.lines << rest;
            out.whole = true;
            return out;
        }
        if (out.lines.size() == lines - 1)
            break;
        const qsizetype most = fittingPrefix(rest, width, metrics);
        if (most == 0)
            break;
        // The last blank within what fits, or else as much of the word.
        qsizetype cut = rest.lastIndexOf(u' ', most);
        if (cut <= 0)
            cut = most;
        out.lines << rest.left(cut).trimmed();
        rest = rest.mid(cut).trimmed();
    }
    if (rest.isEmpty()) {
        out.whole = true;
        return out;
    }
    const QString last = shortenedText(rest, width, metrics);
    if (!last.isEmpty() && out.lines.size() < lines)
        out.lines << last;
    return out;
}

} // namespace plandex
