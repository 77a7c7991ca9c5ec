#pragma once

#include <QString>

#ifndef PLANDEX_APP_ID
#error "PLANDEX_APP_ID must come from the build (CMakeLists.txt keeps it)"
#endif

namespace plandex {

// The names under which the desktop knows the program and its room files.
// The desktop-file ID is shared with the installed package, so that the
// per-user entry overrides the installed one instead of doubling it.
inline const QString appId = QStringLiteral(PLANDEX_APP_ID);
inline const QString desktopFileName = appId + QStringLiteral(".desktop");

// The room-file extension and the old file-type key; the desktop keys the
// type by MIME type, the key survives as the status word in tmpStr.
inline const QString komExt = QStringLiteral(".kom");
inline const QString fileTypeKey = QStringLiteral("Plandex_file");

inline const QString roomMimeType = QStringLiteral("application/x-plandex-room");
// The type's name, in English and as a Russian desktop shows it.
inline const QString roomDescription = QStringLiteral("Apartment interior file");
inline const QString roomDescriptionRussian = QStringLiteral("Файл интерьера квартиры");
inline const QString roomIconName = QStringLiteral("application-x-plandex-room");
inline const QString appIconName = appId;

// The application's two pictures: its own icon and the room file's.
inline const QString appIconResource = QStringLiteral(":/icons/plandex.svg");
inline const QString roomIconResource = QStringLiteral(":/icons/kom-document.svg");

} // namespace plandex
