#pragma once

#include <QByteArray>

namespace plandex {

// The shared-mime-info package that declares the room-file type: its
// glob, its description and its icon.
QByteArray mimePackage();

} // namespace plandex
