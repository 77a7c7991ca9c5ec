#pragma once

#include <QByteArrayView>
#include <QString>

namespace plandex {

// Reads bytes (one character per byte) with the leading-number rule and
// checks the readings against each other. Returns what went wrong, or an
// empty text.
QString checkNumberReading(QByteArrayView bytes);

} // namespace plandex
