#include "capturesettings.h"

#include "settingsfile.h"
#include "storedsettings.h"

CaptureSettings CaptureSettings::read(const QString& iniPath)
{
    const StoredSettings stored = StoredSettings::read(iniPath);
    return {stored.port, stored.timingsOver({})};
}

QString CaptureSettings::filePath()
{
    // The window's file: the tool is installed beside it.
    return SettingsFile::locate();
}
