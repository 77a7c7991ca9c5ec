#pragma once

#include "sheet/sheetlayout.h"

#include <QFont>
#include <QPen>

namespace plandex {

// The sheet's lettering: digits of the given height on paper, in mm.
// Drawing standards take 2.5 mm as the least for dimensions and labels, and
// 1.8 mm where nothing larger fits. One face for all of the sheet: a PDF
// embeds each face it uses, and that is most of what a small sheet costs.
QFont sheetFont(const SheetLayout &layout, double digitMm);

// A line of the given width on paper, in mm.
QPen sheetLine(const SheetLayout &layout, double widthMm);

// The heights of digits, in mm, that labels try in turn before one is given
// up: the standard's least, then down to the smallest it allows.
inline constexpr double labelDigitMm[] = {2.5, 2.2, 2.0, 1.8};
inline constexpr double textDigitMm = 2.5;

} // namespace plandex
