#include "drawing/outlines.h"

#include <algorithm>

namespace plandex {

namespace {

// A stretch from..to on the row or column at.
struct Run {
    qint64 at, from, to;
};

void addRun(std::vector<Run> &runs, double at, double from, double to, double lo, double hi,
    double atLo, double atHi)
{
    from = std::max(from, lo);
    to = std::min(to, hi);
    if (at < atLo || at > atHi || from > to)
        return;
    runs.push_back({qRound64(at), qRound64(from), qRound64(to)});
}

// Sorted by row, then start; runs that overlap or meet become one.
std::vector<Run> merged(std::vector<Run> runs)
{
    std::sort(runs.begin(), runs.end(),
        [](const Run &a, const Run &b) { return a.at != b.at ? a.at < b.at : a.from < b.from; });
    std::vector<Run> out;
    for (const Run &r : runs) {
        if (!out.empty() && out.back().at == r.at && r.from <= out.back().to)
            out.back().to = std::max(out.back().to, r.to);
        else
            out.push_back(r);
    }
    return out;
}

} // namespace

std::vector<QLineF> mergedOutlines(const std::vector<QRectF> &boxes, const QRectF &clip)
{
    std::vector<Run> across, down;
    for (const QRectF &b : boxes) {
        for (double y : {b.top(), b.bottom()})
            addRun(across, y, b.left(), b.right(), clip.left(), clip.right(), clip.top(),
                clip.bottom());
        for (double x : {b.left(), b.right()})
            addRun(
                down, x, b.top(), b.bottom(), clip.top(), clip.bottom(), clip.left(), clip.right());
    }
    std::vector<QLineF> lines;
    for (const Run &r : merged(std::move(across)))
        lines.emplace_back(double(r.from), double(r.at), double(r.to), double(r.at));
    for (const Run &r : merged(std::move(down)))
        lines.emplace_back(double(r.at), double(r.from), double(r.at), double(r.to));
    return lines;
}

} // namespace plandex
