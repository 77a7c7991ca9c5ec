#pragma once

// What the benchmarks share: the room of many small objects they edit, and
// the timing of one operation as the median of several batches.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

namespace plandex::bench {

// Batches per measurement and the time one batch should take: enough
// repeats to be stable, little enough to keep the whole run short.
constexpr int batches = 9;
constexpr double batchTargetUs = 40'000.0;

// Grid layout: 8 x 8 px objects (right = left + 7) with 1 px of free floor
// between neighbours, and a free strip on the right for the drags.
constexpr int objectSpan = 7;
constexpr int pitch = 9;
constexpr int stripGap = 10;
constexpr int stripWidth = 160;
// The editor's start plan; small tables keep it.
constexpr int minWidth = 553;
constexpr int minHeight = 361;

struct Rect {
    int l, t, r, b;
};

struct Layout {
    int count = 0;
    bool fileLike = false;
    int cols = 0, rows = 0;
    int width = 0, height = 0;
    int stripLeft = 0;

    Rect object(int i) const
    {
        const int left = 1 + (i % cols) * pitch, top = 1 + (i / cols) * pitch;
        return {left, top, left + objectSpan, top + objectSpan};
    }
    // Free floor places in the strip, used as drag targets.
    Rect stripPlace(int dx, int dy) const
    {
        return {stripLeft + dx, dy, stripLeft + dx + objectSpan, dy + objectSpan};
    }
};

inline Layout makeLayout(int count, bool fileLike)
{
    Layout L;
    L.count = count;
    L.fileLike = fileLike;
    L.cols = int(std::ceil(std::sqrt(double(count))));
    L.rows = (count + L.cols - 1) / L.cols;
    L.stripLeft = L.cols * pitch + stripGap;
    L.width = std::max(minWidth, L.stripLeft + stripWidth);
    L.height = std::max(minHeight, L.rows * pitch + 2);
    return L;
}

// Median microseconds per call of op over several timed batches, by the
// wall clock or another with the same interface.
template<typename clock = std::chrono::steady_clock> double measure(const std::function<void()> &op)
{
    op(); // warm-up
    auto t0 = clock::now();
    op();
    const double once = std::chrono::duration<double, std::micro>(clock::now() - t0).count();
    const int reps = std::clamp(int(batchTargetUs / std::max(once, 0.01)), 1, 2'000'000);
    std::vector<double> perOp;
    for (int b = 0; b < batches; ++b) {
        t0 = clock::now();
        for (int i = 0; i < reps; ++i)
            op();
        const double us = std::chrono::duration<double, std::micro>(clock::now() - t0).count();
        perOp.push_back(us / reps);
    }
    std::nth_element(perOp.begin(), perOp.begin() + batches / 2, perOp.end());
    return perOp[batches / 2];
}

} // namespace plandex::bench
