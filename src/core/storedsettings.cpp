#include "storedsettings.h"

#include "inifile.h"
#include "settingsfile.h"
#include "settingskeys.h"

namespace {
std::optional<std::int32_t> integer(const IniFile& ini, const SettingsKey& key)
{
    const std::int32_t value = ini.readInteger(key.section, key.name, -1);
    return value == -1 ? std::nullopt : std::optional(value);
}

QString text(const IniFile& ini, const SettingsKey& key)
{
    return QString::fromUtf8(ini.readString(key.section, key.name, {}));
}
} // namespace

StoredSettings StoredSettings::read(const QString& iniPath)
{
    StoredSettings stored;
    if (SettingsFile::meansFirstRun(iniPath))
        return stored;
    stored.firstRun = false;
    const IniFile ini(iniPath);
    const SettingsKey& stamp = SettingsKeys::CreationTime;
    stored.stamped = !ini.readString(stamp.section, stamp.name, {}).isEmpty();
    if (stored.stamped) {
        stored.left = integer(ini, SettingsKeys::Left);
        stored.top = integer(ini, SettingsKeys::Top);
        stored.timeoutSeconds = integer(ini, SettingsKeys::Timeout);
        stored.rxDelayMs = integer(ini, SettingsKeys::RxDelay);
        stored.nakDelayMs = integer(ini, SettingsKeys::NakDelay);
        const SettingsKey& size = SettingsKeys::BmpRes;
        stored.bmpRes = ini.readInteger(size.section, size.name, 2);
    }
    stored.port = integer(ini, SettingsKeys::Port);
    stored.autoSaveFolder = text(ini, SettingsKeys::AutoSaveFolder);
    stored.autoSaveFormat = text(ini, SettingsKeys::AutoSaveFormat);
    return stored;
}

DownloadTimings StoredSettings::timingsOver(DownloadTimings base) const
{
    return {timeoutSeconds.value_or(base.timeoutSeconds), rxDelayMs.value_or(base.rxDelayMs),
            nakDelayMs.value_or(base.nakDelayMs)};
}
