#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>

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

// The same for many texts in one font, as a table of them needs: where a
// line ends is found from the advances of single characters, each measured
// once, and only the line found is measured as drawn; a text is measured
// whole only when its characters' advances come near to fitting.
class TextMeasure
{
public:
    explicit TextMeasure(const QFontMetricsF &metrics)
        : m_metrics(metrics)
    { }

    const QFontMetricsF &metrics() const { return m_metrics; }
    // The advances of the text's characters added up: its width when it is
    // of figures, blanks and "×" (sizes, distances, numbers), which are
    // neither kerned nor shaped.
    double advances(QStringView text);
    // Whether the text fits width, and its width when it does.
    bool fits(QStringView text, double width, double *measured = nullptr);
    // The most characters of text from its start that fit width, or a few
    // fewer where kerning would have let them in.
    qsizetype fittingPrefix(QStringView text, double width);
    WrappedText wrapped(const QString &text, double width, int lines);

private:
    double advance(QChar c);

    QFontMetricsF m_metrics;
    QHash<char16_t, double> m_advances;
};

} // namespace plandex
