#pragma once

#include <QString>

namespace plandex {

// The user's choices that outlive the program, kept with QSettings in the
// user's configuration folder ($XDG_CONFIG_HOME/plandex/plandex.conf). A
// missing or unreadable file, or a value that is not a flag, gives the
// default.
bool settingFlag(const QString &key, bool fallback);
void setSettingFlag(const QString &key, bool value);
// A whole number; the fallback when missing or of another kind.
int settingNumber(const QString &key, int fallback);
void setSettingNumber(const QString &key, int value);

} // namespace plandex
