#include "drawing/labeltext.h"

#include <algorithm>

namespace plandex {

namespace {

// How many characters a line of width could hold at the most.
qsizetype enoughFor(double width, const QFontMetricsF &metrics)
{
    return qsizetype(width / (0.15 * metrics.height())) + 2;
}

// A cut that keeps both halves of a character beyond the first 65,536.
qsizetype whole(QStringView text, qsizetype cut)
{
    return cut > 0 && cut < text.size() && text[cut - 1].isHighSurrogate() ? cut - 1 : cut;
}

// Every text measured as drawn: for a label or two at a time.
struct Exact {
    const QFontMetricsF &font;

    const QFontMetricsF &metrics() const { return font; }
    bool fits(QStringView text, double width) const
    {
        return text.size() <= enoughFor(width, font)
            && font.horizontalAdvance(text.toString()) <= width;
    }
    // Measured by halves, so a long word costs a few measures.
    qsizetype fittingPrefix(QStringView text, double width) const
    {
        qsizetype lo = 0, hi = std::min(text.size(), enoughFor(width, font));
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (font.horizontalAdvance(text.left(mid).toString()) <= width)
                lo = mid;
            else
                hi = mid - 1;
        }
        return whole(text, lo);
    }
};

// The same through a TextMeasure.
struct Estimated {
    TextMeasure &measure;

    const QFontMetricsF &metrics() const { return measure.metrics(); }
    bool fits(QStringView text, double width) const { return measure.fits(text, width); }
    qsizetype fittingPrefix(QStringView text, double width) const
    {
        return measure.fittingPrefix(text, width);
    }
};

template<typename Measure>
QString shortenedWith(const Measure &m, const QString &text, double width)
{
    if (m.fits(text, width))
        return text;
    const QString ellipsis(u'…');
    QString kept
        = text.left(m.fittingPrefix(text, width - m.metrics().horizontalAdvance(ellipsis)));
    // A cut number reads as another number: "60 × 1…" could be 100 or 150;
    // and so does a whole one before the "…".
    const auto loose = [](QChar c) { return c.isDigit() || c.isSpace() || c.isPunct(); };
    while (!kept.isEmpty() && loose(kept.back()))
        kept.chop(1);
    return kept.isEmpty() ? QString() : kept + ellipsis;
}

template<typename Measure>
WrappedText wrappedWith(const Measure &m, const QString &text, double width, int lines)
{
    WrappedText out;
    QString rest = text.trimmed();
    while (!rest.isEmpty() && out.lines.size() < lines) {
        if (m.fits(rest, width)) {
            out.lines << rest;
            out.whole = true;
            return out;
        }
        if (out.lines.size() == lines - 1)
            break;
        const qsizetype most = m.fittingPrefix(rest, width);
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
    QString last = shortenedWith(m, rest, width);
    // Nothing left of it but numbers: the line before ends in the "…".
    while (last.isEmpty() && !out.lines.isEmpty()) {
        rest = out.lines.takeLast() + u' ' + rest;
        last = shortenedWith(m, rest, width);
    }
    if (!last.isEmpty() && out.lines.size() < lines)
        out.lines << last;
    return out;
}

} // namespace

QString shortenedText(const QString &text, double width, const QFontMetricsF &metrics)
{
    return shortenedWith(Exact {metrics}, text, width);
}

WrappedText wrappedText(const QString &text, double width, int lines, const QFontMetricsF &metrics)
{
    return wrappedWith(Exact {metrics}, text, width, lines);
}

double TextMeasure::advance(QChar c)
{
    auto at = m_advances.constFind(c.unicode());
    if (at == m_advances.cend())
        at = m_advances.insert(c.unicode(), m_metrics.horizontalAdvance(c));
    return *at;
}

double TextMeasure::advances(QStringView text)
{
    double sum = 0;
    for (const QChar c : text)
        sum += advance(c);
    return sum;
}

bool TextMeasure::fits(QStringView text, double width, double *measured)
{
    if (text.size() > enoughFor(width, m_metrics))
        return false;
    // Kerning takes a few hundredths off at the most; a text whose
    // characters' advances come to more than that is not measured.
    const double near = 1.25 * width;
    double sum = 0;
    for (const QChar c : text) {
        sum += advance(c);
        if (sum > near)
            return false;
    }
    const double exact = m_metrics.horizontalAdvance(text.toString());
    if (measured)
        *measured = exact;
    return exact <= width;
}

qsizetype TextMeasure::fittingPrefix(QStringView text, double width)
{
    const qsizetype enough = std::min(text.size(), enoughFor(width, m_metrics));
    qsizetype most = 0;
    for (double sum = 0; most < enough; ++most) {
        sum += advance(text[most]);
        if (sum > width)
            break;
    }
    most = whole(text, most);
    // Shaping can widen a line past its characters' advances: then the
    // line is measured by halves, as a label is.
    if (most == 0 || m_metrics.horizontalAdvance(text.left(most).toString()) <= width)
        return most;
    return Exact {m_metrics}.fittingPrefix(text.left(most), width);
}

WrappedText TextMeasure::wrapped(const QString &text, double width, int lines)
{
    return wrappedWith(Estimated {*this}, text, width, lines);
}

} // namespace plandex
