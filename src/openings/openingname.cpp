#include "openings/opening.h"

#include <algorithm>
#include <array>
#include <utility>

// The opening's row name, the room file's own text in either direction.

namespace plandex {

namespace {

const std::array<std::pair<OpeningKind, QStringView>, 3> kinds {{
    {OpeningKind::Door, u"Дверь"},
    {OpeningKind::Window, u"Окно"},
    {OpeningKind::Passage, u"Проём"},
}};
const std::array<std::pair<Wall, QStringView>, 4> walls {{
    {Wall::Top, u"верх"},
    {Wall::Bottom, u"низ"},
    {Wall::Left, u"лево"},
    {Wall::Right, u"право"},
}};
constexpr QStringView hingesLeftText = u", петли слева";
constexpr QStringView hingesRightText = u", петли справа";
constexpr QStringView inwardText = u", внутрь";
constexpr QStringView outwardText = u", наружу";

template<typename Key, size_t n>
QStringView textOf(const std::array<std::pair<Key, QStringView>, n> &texts, Key key)
{
    for (const auto &[k, text] : texts)
        if (k == key)
            return text;
    return {};
}

// Takes the text off the front of rest. Compared as code units: every
// row's name is read at each redraw, and a file may hold 32,767 of them.
bool take(QStringView &rest, QStringView text)
{
    if (rest.size() < text.size() || !std::equal(text.begin(), text.end(), rest.begin()))
        return false;
    rest = rest.mid(text.size());
    return true;
}

// Takes one of the texts off the front of rest.
template<typename Key, size_t n>
std::optional<Key> take(QStringView &rest, const std::array<std::pair<Key, QStringView>, n> &texts)
{
    for (const auto &[key, text] : texts) {
        if (take(rest, text))
            return key;
    }
    return std::nullopt;
}

// A width as openingName writes it: digits, no leading zero, at most what
// any room's wall can hold.
std::optional<qint32> takeWidth(QStringView &rest)
{
    qsizetype digits = 0;
    while (digits < rest.size() && rest[digits].isDigit() && rest[digits].unicode() < 0x80)
        ++digits;
    if (digits == 0 || digits > 6 || rest.front() == u'0')
        return std::nullopt;
    qint32 width = 0;
    for (qsizetype i = 0; i < digits; ++i)
        width = width * 10 + (rest[i].unicode() - u'0');
    rest = rest.mid(digits);
    return width;
}

} // namespace

QString openingName(const Opening &opening)
{
    QString name(openingMarker);
    name += textOf(kinds, opening.kind);
    name += u' ';
    name += QString::number(opening.width);
    name += u", ";
    name += textOf(walls, opening.wall);
    if (opening.kind == OpeningKind::Door) {
        name += opening.hingesLeft ? hingesLeftText : hingesRightText;
        name += opening.inward ? inwardText : outwardText;
    }
    return name;
}

std::optional<Opening> parseOpeningName(QStringView name)
{
    Opening o;
    QStringView rest = name;
    if (!hasOpeningMarker(rest))
        return std::nullopt;
    rest = rest.mid(1);
    const auto kind = take(rest, kinds);
    if (!kind || !take(rest, u" "))
        return std::nullopt;
    o.kind = *kind;
    const auto width = takeWidth(rest);
    if (!width || !take(rest, u", "))
        return std::nullopt;
    o.width = *width;
    const auto wall = take(rest, walls);
    if (!wall)
        return std::nullopt;
    o.wall = *wall;
    if (o.kind == OpeningKind::Door) {
        o.hingesLeft = take(rest, hingesLeftText);
        if (!o.hingesLeft && !take(rest, hingesRightText))
            return std::nullopt;
        o.inward = take(rest, inwardText);
        if (!o.inward && !take(rest, outwardText))
            return std::nullopt;
    }
    if (!rest.isEmpty())
        return std::nullopt;
    return o;
}

} // namespace plandex
