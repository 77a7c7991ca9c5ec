#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace plandex {

// A room as a room file holds it: the size and the rows of the object
// table, pair texts as written.
struct KomRoom {
    struct Object {
        QString name;
        QString x;
        QString y;

        bool operator==(const Object &) const = default;
    };

    int width = 0;
    int height = 0;
    std::vector<Object> objects;

    bool operator==(const KomRoom &) const = default;
};

// Why bytes are not a room, or a room cannot become bytes faithfully.
enum class KomProblem {
    None,
    // Reading: the file does not begin with "komfile: ".
    NotARoomFile,
    // Reading: a byte the code page maps to no character.
    UnmappableByte,
    // Reading: a size is not a whole number from 1 to 4096.
    BadWidth,
    BadHeight,
    // Reading: an object record lacks its name end (0x02), its pair end
    // (0x03) or its record end (0x01).
    MissingNameEnd,
    MissingPairEnd,
    MissingRecordEnd,
    // Reading: a record mark inside a field, where none may stand.
    StrayMark,
    // Reading: more objects than the table can hold.
    TooManyObjects,
    // Writing: a name holds a record mark, or a pair text a record mark or
    // a character the code page cannot hold.
    UnwritableName,
    UnwritablePair,
    // Writing: the file would be larger than a reader takes.
    TooLarge,
    // Reading and writing: a name or pair text longer than a file may hold.
    LongName,
    LongPair,
};

struct KomError {
    KomProblem problem = KomProblem::None;
    // Byte offset in the file where the problem was found; -1 when none.
    qsizetype offset = -1;
    // The object concerned, counted from 0; -1 when no object is.
    int object = -1;

    explicit operator bool() const { return problem != KomProblem::None; }
    // Russian, for the user.
    QString describe() const;
};

// The largest room side a file may give, in cm.
inline constexpr int komMaxSide = 4096;
// The object table counts in 16-bit signed numbers.
inline constexpr int komMaxObjects = 32767;
// The longest object name a room may hold, and the longest pair text, in
// characters (a name's as the table holds it, references read): no file
// can make the list and the window measure megabytes of text.
inline constexpr int komMaxNameLength = 1000;
inline constexpr int komMaxPairLength = 64;
// The header every room file begins with.
inline constexpr char komHeader[] = "komfile: ";

struct KomReadResult {
    KomRoom room;
    KomError error;
};

// Whether pair texts lose the blanks at their ends on reading, as a room
// file read by the user does, or keep them, as a room kept for recovery
// does: it must come back as it was.
enum class PairBlanks { Trim, Keep };

// Reads a whole room file. Everything is checked before a room is given
// back, so a room that reads also writes and reads back the same. CR and
// LF at the very end are ignored; names keep the blanks at their ends, and
// their character references are read (see withoutCharacterReferences).
KomReadResult readKom(const QByteArray &bytes, PairBlanks blanks = PairBlanks::Trim);

// The file without the CR and LF bytes at its very end, which count nowhere.
QByteArrayView withoutLineEnd(QByteArrayView bytes);

struct KomWriteResult {
    // The file's text without its line end.
    QString text;
    // The whole file, line end included.
    QByteArray bytes;
    KomError error;
};

// Writes a room as the bytes of a room file, or refuses a name or pair
// text that would not read back the same or is too long. A name's
// characters that the code page cannot hold are written as references.
KomWriteResult writeKom(const KomRoom &room);

} // namespace plandex
