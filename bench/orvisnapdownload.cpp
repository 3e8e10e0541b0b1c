#include "orvisnapdownload.h"

#include "appwindows.h"
#include "benchprompts.h"
#include "filehelpers.h"
#include "myserial.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
// Far beyond the largest sample in bursts (about 90 s): only a stuck download gets here.
constexpr int WatchdogMs = 600000;

void useOnlyPort(const QString& devicePath)
{
    ComStartUnit([devicePath](int n) { return n == 1 ? devicePath : QString(); });
}

QString timingsOf(const TMainForm& form)
{
    return QStringLiteral("Timeout=%1 s RxDelay=%2 ms NAKDelay=%3 ms")
        .arg(form.Timeout)
        .arg(form.RxDelay)
        .arg(form.NAKDelay);
}
} // namespace

OrvisnapDownload::Result OrvisnapDownload::run(const QString& devicePath, const QString& appDir)
{
    useOnlyPort(devicePath);
    BenchPrompts prompts;
    Result result;
    {
        AppWindows windows(prompts, appDir);
        TMainForm& form = windows.MainForm;
        form.StartTimer->stop();
        form.show();
        result.timings = timingsOf(form);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &form, [&] {
            result.hung = true;
            form.btnCancelClick();
        });
        watchdog.start(WatchdogMs);
        QElapsedTimer clock;
        clock.start();
        form.btnGetScreenShotClick();
        result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    }
    ComStopUnit();
    result.messages = prompts.messages;
    if (!FileToString(QStringLiteral("TMP.BMP"), result.workingFile))
        result.workingFile.clear();
    return result;
}
