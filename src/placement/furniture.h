#pragma once

#include <QSize>
#include <QString>

#include <span>

namespace plandex {

// A common piece of furniture with its usual size in cm: length along the
// plan's x, width along its y.
struct FurniturePiece {
    const char *name;
    int length;
    int width;

    QString title() const;
    QSize size() const { return {length, width}; }
};

// The pieces the plan's menu offers, in its order.
std::span<const FurniturePiece> furniturePieces();

} // namespace plandex
