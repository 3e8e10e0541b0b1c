// The settings file (its place: SettingsFile; its rules: StoredSettings).
#include "mainform.h"

#include "autosave.h"
#include "myserial.h"
#include "prompts.h"
#include "storedsettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include <utility>

void TMainForm::ReadFromINI()
{
    const StoredSettings stored =
        preread_ ? *std::exchange(preread_, std::nullopt) : StoredSettings::read(IniFileName);
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
        (void)StoredSettings::stamp(IniFileName);
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
    StoredSettings settings;
    settings.left = x();
    settings.top = y();
    settings.bmpRes = BmpRes;
    settings.timeoutSeconds = Timeout;
    settings.rxDelayMs = RxDelay;
    settings.nakDelayMs = NAKDelay;
    settings.port = ComPortNumber;
    autoSave_->storeSettings(settings);
    const Outcome written = settings.write(IniFileName);
    if (!written)
        prompts_.message(this, tr("The settings could not be saved."), written.reason());
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
