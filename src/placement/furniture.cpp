#include "placement/furniture.h"

#include <QCoreApplication>

namespace plandex {

namespace {

// Sizes as shops and building norms usually give them.
constexpr FurniturePiece commonPieces[] = {
    {QT_TRANSLATE_NOOP("Furniture", "Кровать"), 200, 90},
    {QT_TRANSLATE_NOOP("Furniture", "Кровать двуспальная"), 200, 160},
    {QT_TRANSLATE_NOOP("Furniture", "Диван"), 200, 90},
    {QT_TRANSLATE_NOOP("Furniture", "Кресло"), 80, 80},
    {QT_TRANSLATE_NOOP("Furniture", "Шкаф"), 120, 60},
    {QT_TRANSLATE_NOOP("Furniture", "Комод"), 100, 50},
    {QT_TRANSLATE_NOOP("Furniture", "Тумбочка"), 45, 40},
    {QT_TRANSLATE_NOOP("Furniture", "Стол обеденный"), 120, 80},
    {QT_TRANSLATE_NOOP("Furniture", "Стол письменный"), 120, 60},
    {QT_TRANSLATE_NOOP("Furniture", "Стол журнальный"), 100, 60},
    {QT_TRANSLATE_NOOP("Furniture", "Стул"), 45, 45},
    {QT_TRANSLATE_NOOP("Furniture", "Полка книжная"), 80, 30},
    {QT_TRANSLATE_NOOP("Furniture", "Стеллаж"), 100, 40},
    {QT_TRANSLATE_NOOP("Furniture", "Тумба под телевизор"), 150, 40},
    {QT_TRANSLATE_NOOP("Furniture", "Холодильник"), 60, 65},
    {QT_TRANSLATE_NOOP("Furniture", "Плита"), 60, 60},
    {QT_TRANSLATE_NOOP("Furniture", "Раковина"), 60, 45},
    {QT_TRANSLATE_NOOP("Furniture", "Стиральная машина"), 60, 60},
    {QT_TRANSLATE_NOOP("Furniture", "Ванна"), 170, 70},
    {QT_TRANSLATE_NOOP("Furniture", "Душевая кабина"), 90, 90},
};

} // namespace

QString FurniturePiece::title() const
{
    return QCoreApplication::translate("Furniture", name);
}

std::span<const FurniturePiece> furniturePieces()
{
    return commonPieces;
}

} // namespace plandex
