#include "storedsettings.h"

#include "inifile.h"
#include "settingsfile.h"
#include "settingskeys.h"

#include <QDateTime>

#include <utility>

namespace {
std::optional<std::int32_t> integer(const IniDocument& ini, const SettingsKey& key)
{
    const std::int32_t value = ini.readInteger(key.section, key.name, -1);
    return value == -1 ? std::nullopt : std::optional(value);
}

std::optional<std::int32_t> count(const IniDocument& ini, const SettingsKey& key)
{
    const std::int32_t value = ini.readInteger(key.section, key.name, -1);
    return value < 0 ? std::nullopt : std::optional(value);
}

QString text(const IniDocument& ini, const SettingsKey& key)
{
    return QString::fromUtf8(ini.readString(key.section, key.name, {}));
}

QByteArray timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
}

// Empty when the key went in.
QString put(IniDocument& ini, const SettingsKey& key, const QByteArray& value)
{
    return ini.writeString(key.section, key.name, value);
}

QString putAutoSave(IniDocument& ini, const QString& folder, const QString& format)
{
    const SettingsKey& folderKey = SettingsKeys::AutoSaveFolder;
    if (folder.isEmpty() && ini.readString(folderKey.section, folderKey.name, {}).isNull())
        return {};
    if (QString why = put(ini, folderKey, folder.toUtf8()); !why.isEmpty())
        return why;
    return put(ini, SettingsKeys::AutoSaveFormat, format.toUtf8());
}
} // namespace

StoredSettings StoredSettings::read(const QString& iniPath)
{
    StoredSettings stored;
    const IniFile file(iniPath);
    if (!file.exists())
        return stored;
    // A file that cannot be read gives what an empty one gives.
    const IniDocument ini = file.load().value_or(IniDocument());
    stored.language = text(ini, SettingsKeys::Language).trimmed();
    if (SettingsFile::meansFirstRun(ini))
        return stored;
    stored.firstRun = false;
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
    stored.capturesKeep = count(ini, SettingsKeys::CapturesKeep);
    return stored;
}

DownloadTimings StoredSettings::timingsOver(DownloadTimings base) const
{
    const DownloadTimings stored{timeoutSeconds.value_or(base.timeoutSeconds),
                                 rxDelayMs.value_or(base.rxDelayMs),
                                 nakDelayMs.value_or(base.nakDelayMs)};
    return stored.clamped();
}

Outcome StoredSettings::stamp(const QString& iniPath)
{
    const SettingsKey& stamp = SettingsKeys::CreationTime;
    return IniFile(iniPath).writeString(stamp.section, stamp.name, timeStamp());
}

Outcome StoredSettings::write(const QString& iniPath) const
{
    IniFile file(iniPath);
    QString why;
    std::optional<IniDocument> ini = file.load(&why);
    if (!ini) // never replace a file that could not be read in full
        return file.refused(why);
    const SettingsKey& stampKey = SettingsKeys::CreationTime;
    if (ini->readString(stampKey.section, stampKey.name, {}).isEmpty())
        (void)put(*ini, stampKey, timeStamp());
    const std::pair<const SettingsKey&, const std::optional<std::int32_t>&> values[] = {
        {SettingsKeys::Left, left},         {SettingsKeys::Top, top},
        {SettingsKeys::BmpRes, bmpRes},     {SettingsKeys::Timeout, timeoutSeconds},
        {SettingsKeys::RxDelay, rxDelayMs}, {SettingsKeys::NakDelay, nakDelayMs},
        {SettingsKeys::Port, port}};
    for (const auto& [key, value] : values)
        if (value)
            (void)put(*ini, key, QByteArray::number(*value));
    const QString refused = putAutoSave(*ini, autoSaveFolder, autoSaveFormat);
    if (Outcome saved = file.save(*ini); !saved)
        return saved;
    if (!refused.isEmpty())
        return file.refused(refused);
    return {};
}
