#pragma once

#include <QString>
#include <QtGlobal>

namespace plandex {

// A number as the table writes it: one blank in front when it is not
// negative, its minus sign otherwise.
QString withLeadingBlank(qint64 n);

// Pair text of an object drawn with the mouse: " 40|120".
QString createdPair(qint64 first, qint64 second);
// Pair text of a moved, resized or typed-in object: " 40| 120".
QString editedPair(qint64 first, qint64 second);

// The text without the blanks at both of its ends (blanks only, not tabs or
// line ends): how pair texts are read from a file and the command line.
QStringView trimBlanks(QStringView text);

// Shortest decimal text of a number, as the size labels show it: "100",
// "12.5", no exponent for whole numbers.
QString numberText(double value);

} // namespace plandex
