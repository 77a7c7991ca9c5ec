#pragma once

#include <QLineF>
#include <QRectF>

#include <vector>

namespace plandex {

// The edges of boxes (device pixels) inside clip, as horizontal and
// vertical lines on whole pixels, with lines that overlap or meet on the
// same row or column joined into one: a stretch of the page is drawn once
// however many boxes share it (only objects lying over one another, in a
// damaged file, do), so drawing them costs no more than the page's area.
std::vector<QLineF> mergedOutlines(const std::vector<QRectF> &boxes, const QRectF &clip);

} // namespace plandex
