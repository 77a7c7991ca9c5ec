#include "menus/settings.h"

#include <QSettings>

namespace plandex {

namespace {

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "plandex", "plandex");
}

} // namespace

bool settingFlag(const QString &key, bool fallback)
{
    const QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return fallback;
    const QString value = settings.value(key).toString();
    if (value == QLatin1String("true"))
        return true;
    if (value == QLatin1String("false"))
        return false;
    return fallback;
}

void setSettingFlag(const QString &key, bool value)
{
    QSettings settings = store();
    settings.setValue(key, value);
}

int settingNumber(const QString &key, int fallback)
{
    const QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return fallback;
    bool ok = false;
    const int value = settings.value(key).toString().toInt(&ok);
    return ok ? value : fallback;
}

void setSettingNumber(const QString &key, int value)
{
    QSettings settings = store();
    settings.setValue(key, value);
}

} // namespace plandex
