// The settings file (its place: SettingsFile).
#include "mainform.h"

#include "autosave.h"
#include "inifile.h"
#include "myserial.h"
#include "prompts.h"
#include "settingsfile.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include <tuple>

namespace {
constexpr QByteArrayView Common = "Common";
constexpr QByteArrayView Timings = "Timings";
constexpr QByteArrayView ComPort = "ComPort";

QByteArray timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
}

// A stored -1 counts as absent.
void readInto(const IniFile& ini, QByteArrayView section, QByteArrayView key, std::int32_t& field)
{
    const std::int32_t value = ini.readInteger(section, key, -1);
    if (value != -1)
        field = value;
}
} // namespace

void TMainForm::ReadFromINI()
{
    IniFile ini(IniFileName);
    if (SettingsFile::meansFirstRun(IniFileName)) {
        FirstRun = true;
        ResolutionClick(Res256);
        return;
    }
    placeCentred_ = false;
    move(314, 556);
    FirstRun = false;
    if (ini.readString(Common, "CreationTime", {}).isEmpty()) {
        // A stamp that cannot be written is reported at close, when the whole file is written.
        (void)ini.writeString(Common, "CreationTime", timeStamp());
    } else {
        std::int32_t left = -1;
        std::int32_t top = -1;
        readInto(ini, Common, "Left", left);
        readInto(ini, Common, "Top", top);
        move(left != -1 ? left : x(), top != -1 ? top : y());
        readInto(ini, Timings, "Timeout", Timeout);
        readInto(ini, Timings, "RxDelay", RxDelay);
        readInto(ini, Timings, "NAKDelay", NAKDelay);
        switch (ini.readInteger(Common, "BMPRes", 2)) {
        case 1:
            ResolutionClick(Res128);
            break;
        case 2:
            ResolutionClick(Res256);
            break;
        case 3:
            ResolutionClick(Res512);
            break;
        default:
            break;
        }
    }
    readInto(ini, ComPort, "Port", ComPortNumber);
    autoSave_->readSettings(ini);
}

bool TMainForm::SaveToIni()
{
    IniFile ini(IniFileName);
    Outcome written;
    if (ini.readString(Common, "CreationTime", {}).isEmpty())
        written = ini.writeString(Common, "CreationTime", timeStamp());
    const std::tuple<QByteArrayView, QByteArrayView, std::int32_t> keys[] = {
        {Common, "Left", x()},           {Common, "Top", y()},
        {Common, "BMPRes", BmpRes},      {Timings, "Timeout", Timeout},
        {Timings, "RxDelay", RxDelay},   {Timings, "NAKDelay", NAKDelay},
        {ComPort, "Port", ComPortNumber}};
    for (const auto& [section, key, value] : keys)
        if (written)
            written = ini.writeInteger(section, key, value);
    if (written)
        written = autoSave_->writeSettings(ini);
    if (!written)
        prompts_.message(this, QStringLiteral("The settings could not be saved."),
                         written.reason());
    return written.ok();
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!placeCentred_)
        return;
    placeCentred_ = false; // only the first showing is placed
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
