#pragma once

#include <QString>
#include <QStringList>

class QFontMetricsF;

namespace plandex {

// Text as wide as width at the most, its end replaced by "…" when
// shortened. A number is never cut: a shortened text never ends in a digit
// before its "…", the number is dropped whole instead. Empty when nothing of
// the text is left besides the "…". Names from files can be long: no more of
// the text is measured than a line of the narrowest characters could hold.
QString shortenedText(const QString &text, double width, const QFontMetricsF &metrics);

// Text broken at blanks (or, in a word longer than a line, anywhere) onto at
// most lines lines of width; the last one shortened as shortenedText does
// when the text goes on past it.
struct WrappedText {
    QStringList lines;
    // Every character of the text is on the lines.
    bool whole = false;
};
WrappedText wrappedText(const QString &text, double width, int lines, const QFontMetricsF &metrics);

} // namespace plandex
