#include "files/komfile.h"

#include "files/wholefile.h"
#include "model/codepage.h"
#include "model/numberreading.h"
#include "model/pairtext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace plandex {

namespace {

constexpr char16_t recordMark = 0x01;
constexpr char16_t nameEnd = 0x02;
constexpr char16_t pairEnd = 0x03;
constexpr qsizetype headerLength = sizeof komHeader - 1;
// The most characters of a file one character of a name takes: "&#65535;".
constexpr qsizetype longestReference = 8;

bool isMark(char16_t c)
{
    return c == recordMark || c == nameEnd || c == pairEnd;
}

qsizetype nextMark(const QString &text, qsizetype from)
{
    const char16_t *data = reinterpret_cast<const char16_t *>(text.constData());
    for (qsizetype i = from; i < text.size(); ++i) {
        if (isMark(data[i]))
            return i;
    }
    return -1;
}

bool containsMark(QStringView text)
{
    for (const QChar c : text) {
        if (isMark(c.unicode()))
            return true;
    }
    return false;
}

// A room side: the leading-number value, a whole number within the limits.
int sideValue(QStringView text)
{
    const std::optional<double> value = leadingNumberValue(text);
    if (!value || *value < 1 || *value > komMaxSide || std::floor(*value) != *value)
        return 0;
    return int(*value);
}

KomReadResult failed(KomProblem problem, qsizetype offset, int object = -1)
{
    return {{}, {problem, offset, object}};
}

// One record after the marks that end its fields: 0x02, 0x03, 0x01 in
// this order, and no other mark in between.
struct Field {
    char16_t end;
    KomProblem missing;
};

} // namespace

QByteArrayView withoutLineEnd(QByteArrayView bytes)
{
    while (bytes.endsWith('\r') || bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes;
}

KomReadResult readKom(const QByteArray &bytes, PairBlanks blanks)
{
    const QByteArrayView content = withoutLineEnd(bytes);
    if (!content.startsWith(QByteArrayView(komHeader, headerLength)))
        return failed(KomProblem::NotARoomFile, 0);

    const CodePageText decoded = decodeCodePage(content);
    if (decoded.badByte >= 0)
        return failed(KomProblem::UnmappableByte, decoded.badByte);
    // One character per byte: indices in the text are offsets in the file.
    const QString &text = decoded.text;

    KomReadResult result;
    KomRoom &room = result.room;
    room.objects.reserve(std::min<size_t>(
        size_t(std::count(content.begin(), content.end(), char(recordMark))), komMaxObjects));
    qsizetype pos = headerLength;

    const qsizetype bar = text.indexOf(u'|', pos);
    const QStringView widthText
        = bar < 0 ? QStringView() : QStringView(text).sliced(pos, bar - pos);
    if (containsMark(widthText))
        return failed(KomProblem::StrayMark, nextMark(text, pos));
    room.width = sideValue(widthText);
    if (room.width == 0)
        return failed(KomProblem::BadWidth, pos);
    pos = bar + 1;

    const qsizetype heightEnd = nextMark(text, pos);
    if (heightEnd >= 0 && text[heightEnd] != recordMark)
        return failed(KomProblem::StrayMark, heightEnd);
    room.height
        = sideValue(heightEnd < 0 ? QStringView() : QStringView(text).sliced(pos, heightEnd - pos));
    if (room.height == 0)
        return failed(KomProblem::BadHeight, pos);
    pos = heightEnd + 1;

    const Field fields[] = {
        {nameEnd, KomProblem::MissingNameEnd},
        {pairEnd, KomProblem::MissingPairEnd},
        {recordMark, KomProblem::MissingRecordEnd},
    };
    while (pos < text.size()) {
        const int object = int(room.objects.size());
        if (object == komMaxObjects)
            return failed(KomProblem::TooManyObjects, pos, object);
        QString parts[3];
        for (int f = 0; f < 3; ++f) {
            const qsizetype end = nextMark(text, pos);
            if (end < 0)
                return failed(fields[f].missing, text.size(), object);
            if (text[end] != fields[f].end)
                return failed(KomProblem::StrayMark, end, object);
            QStringView field = QStringView(text).sliced(pos, end - pos);
            if (f > 0 && blanks == PairBlanks::Trim)
                field = trimBlanks(field);
            // A name's references are read only from a field that can hold
            // no more characters than a name may have.
            const qsizetype longest
                = f == 0 ? komMaxNameLength * longestReference : komMaxPairLength;
            if (field.size() <= longest)
                parts[f] = f == 0 ? withoutCharacterReferences(field) : field.toString();
            if (field.size() > longest || (f == 0 && parts[f].size() > komMaxNameLength))
                return failed(f == 0 ? KomProblem::LongName : KomProblem::LongPair, pos, object);
            pos = end + 1;
        }
        room.objects.push_back({std::move(parts[0]), std::move(parts[1]), std::move(parts[2])});
    }
    return result;
}

KomWriteResult writeKom(const KomRoom &room)
{
    KomWriteResult result;
    QString &text = result.text;
    qsizetype length = headerLength + 12;
    for (const KomRoom::Object &o : room.objects)
        length += 4 + o.name.size() + o.x.size() + o.y.size();
    text.reserve(length);

    text += QLatin1String(komHeader);
    text += QString::number(room.width);
    text += u'|';
    text += QString::number(room.height);
    for (const KomRoom::Object &o : room.objects) {
        text += QChar(recordMark);
        appendWithCharacterReferences(text, o.name);
        text += QChar(nameEnd);
        text += o.x;
        text += QChar(pairEnd);
        text += o.y;
    }
    text += QChar(recordMark);

    // The first object with a name or pair text that fails the test, given
    // the text and its longest length, or no error.
    auto firstBad = [&room](auto bad, KomProblem badName, KomProblem badPair) -> KomError {
        for (int i = 0; i < int(room.objects.size()); ++i) {
            const KomRoom::Object &o = room.objects[size_t(i)];
            if (bad(o.name, komMaxNameLength))
                return {badName, -1, i};
            if (bad(o.x, komMaxPairLength) || bad(o.y, komMaxPairLength))
                return {badPair, -1, i};
        }
        return {};
    };
    result.error = firstBad([](const QString &t, int) { return containsMark(t); },
        KomProblem::UnwritableName, KomProblem::UnwritablePair);
    if (!result.error)
        result.error = firstBad([](const QString &t, int longest) { return t.size() > longest; },
            KomProblem::LongName, KomProblem::LongPair);
    if (result.error)
        return result;

    std::optional<QByteArray> bytes = encodeCodePage(text);
    if (!bytes) {
        // Only now look for the culprit, one object at a time.
        result.error = firstBad([](const QString &t, int) { return !encodeCodePage(t); },
            KomProblem::UnwritableName, KomProblem::UnwritablePair);
        if (!result.error)
            result.error = {KomProblem::UnwritableName, -1, -1};
        return result;
    }
    result.bytes = std::move(*bytes);
    result.bytes += "\r\n";
    // Names written as references can make a file larger than any reader
    // takes.
    if (result.bytes.size() > maxWholeFileSize) {
        result.bytes.clear();
        result.error = {KomProblem::TooLarge, -1, -1};
    }
    return result;
}

QString KomError::describe() const
{
    const QString which = QCoreApplication::translate("KomError", "объекта %1").arg(object + 1);
    switch (problem) {
    case KomProblem::None:
        return {};
    case KomProblem::NotARoomFile:
        return QCoreApplication::translate("KomError", "файл не начинается с «komfile: »");
    case KomProblem::UnmappableByte:
        return QCoreApplication::translate(
            "KomError", "байт %1 не является символом кодировки Windows-1251")
            .arg(offset);
    case KomProblem::BadWidth:
        return QCoreApplication::translate("KomError", "длина комнаты не целое число от 1 до %1")
            .arg(komMaxSide);
    case KomProblem::BadHeight:
        return QCoreApplication::translate("KomError", "ширина комнаты не целое число от 1 до %1")
            .arg(komMaxSide);
    case KomProblem::MissingNameEnd:
    case KomProblem::MissingPairEnd:
    case KomProblem::MissingRecordEnd:
        return QCoreApplication::translate("KomError", "запись %1 оборвана").arg(which);
    case KomProblem::StrayMark:
        return QCoreApplication::translate("KomError", "лишний служебный символ в байте %1")
            .arg(offset);
    case KomProblem::TooManyObjects:
        return QCoreApplication::translate("KomError", "больше %1 объектов").arg(komMaxObjects);
    case KomProblem::UnwritableName:
        return QCoreApplication::translate(
            "KomError", "имя %1 содержит символ, который нельзя записать в файл")
            .arg(which);
    case KomProblem::UnwritablePair:
        return QCoreApplication::translate(
            "KomError", "координаты %1 содержат символ, который нельзя записать в файл")
            .arg(which);
    case KomProblem::LongName:
        return QCoreApplication::translate("KomError", "имя %1 длиннее %2 символов")
            .arg(which)
            .arg(komMaxNameLength);
    case KomProblem::TooLarge:
        return QCoreApplication::translate("KomError", "файл комнаты был бы больше %1 МБ")
            .arg(maxWholeFileSize / (qint64(1024) * 1024));
    case KomProblem::LongPair:
        return QCoreApplication::translate("KomError", "координаты %1 длиннее %2 символов")
            .arg(which)
            .arg(komMaxPairLength);
    }
    return {};
}

} // namespace plandex
