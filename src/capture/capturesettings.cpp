#include "capturesettings.h"

#include "inifile.h"
#include "settingsfile.h"

#include <QCoreApplication>

namespace {
// A stored -1 counts as absent.
void readInto(const IniFile& ini, QByteArrayView section, QByteArrayView key, std::int32_t& field)
{
    const std::int32_t value = ini.readInteger(section, key, -1);
    if (value != -1)
        field = value;
}
} // namespace

CaptureSettings CaptureSettings::read(const QString& iniPath)
{
    CaptureSettings settings;
    const IniFile ini(iniPath);
    if (!ini.exists())
        return settings;
    // Without a creation stamp the window ignores the stored timings (and writes its own at
    // close), so the tool does too.
    if (!ini.readString("Common", "CreationTime", {}).isEmpty()) {
        readInto(ini, "Timings", "Timeout", settings.timings.timeoutSeconds);
        readInto(ini, "Timings", "RxDelay", settings.timings.rxDelayMs);
        readInto(ini, "Timings", "NAKDelay", settings.timings.nakDelayMs);
    }
    if (const std::int32_t port = ini.readInteger("ComPort", "Port", -1); port != -1)
        settings.port = port;
    return settings;
}

QString CaptureSettings::filePath()
{
    // The window's file: the tool is installed beside it.
    return SettingsFile::locate(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}
