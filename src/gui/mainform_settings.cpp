// The settings file (its place: SettingsFile; its rules: StoredSettings).
#include "mainform.h"

#include "autosave.h"
#include "inifile.h"
#include "myserial.h"
#include "prompts.h"
#include "settingskeys.h"
#include "storedsettings.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include <utility>

namespace {
QByteArray timeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
}
} // namespace

void TMainForm::ReadFromINI()
{
    const StoredSettings stored = StoredSettings::read(IniFileName);
    if (stored.firstRun) {
        FirstRun = true;
        ResolutionClick(Res256);
        return;
    }
    placeCentred_ = false;
    move(314, 556);
    FirstRun = false;
    if (!stored.stamped) {
        // A stamp that cannot be written is reported at close, when the whole file is written.
        IniFile ini(IniFileName);
        const SettingsKey& stamp = SettingsKeys::CreationTime;
        (void)ini.writeString(stamp.section, stamp.name, timeStamp());
    } else {
        move(stored.left.value_or(x()), stored.top.value_or(y()));
        const DownloadTimings timings = stored.timingsOver({Timeout, RxDelay, NAKDelay});
        Timeout = timings.timeoutSeconds;
        RxDelay = timings.rxDelayMs;
        NAKDelay = timings.nakDelayMs;
        // A value without a picture size changes nothing.
        if (QAction* item = resolutionItem(stored.bmpRes.value_or(0)))
            ResolutionClick(item);
    }
    ComPortNumber = stored.port.value_or(ComPortNumber);
    autoSave_->useSettings(stored);
}

bool TMainForm::SaveToIni()
{
    IniFile ini(IniFileName);
    Outcome written;
    const SettingsKey& stamp = SettingsKeys::CreationTime;
    if (ini.readString(stamp.section, stamp.name, {}).isEmpty())
        written = ini.writeString(stamp.section, stamp.name, timeStamp());
    const std::pair<SettingsKey, std::int32_t> keys[] = {
        {SettingsKeys::Left, x()},          {SettingsKeys::Top, y()},
        {SettingsKeys::BmpRes, BmpRes},     {SettingsKeys::Timeout, Timeout},
        {SettingsKeys::RxDelay, RxDelay},   {SettingsKeys::NakDelay, NAKDelay},
        {SettingsKeys::Port, ComPortNumber}};
    for (const auto& [key, value] : keys)
        if (written)
            written = ini.writeInteger(key.section, key.name, value);
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
    if (!placeCentred_) {
        keepOnScreen();
        return;
    }
    placeCentred_ = false; // only the first showing is placed
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
