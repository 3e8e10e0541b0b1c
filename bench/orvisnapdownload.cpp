#include "orvisnapdownload.h"

#include "deviceport.h"
#include "receivedpicture.h"
#include "screenshotdownload.h"

#include <QElapsedTimer>

namespace {
// Far beyond the largest sample in bursts (about 90 s): only a stuck download gets here.
constexpr qint64 WatchdogMs = 600000;

// Nobody sits at the benchmark: default timings, no log, a stop only against a hang.
class BenchListener final : public DownloadListener {
public:
    BenchListener() { clock_.start(); }
    [[nodiscard]] DownloadTimings timings() const override { return {}; }
    [[nodiscard]] bool logging() const override { return false; }
    [[nodiscard]] bool stopRequested() override { return clock_.elapsed() > WatchdogMs; }
    void log(const QStringList& /*lines*/) override {}

private:
    QElapsedTimer clock_;
};

QString timingsText()
{
    const DownloadTimings timings;
    return QStringLiteral("Timeout=%1 s RxDelay=%2 ms NAKDelay=%3 ms")
        .arg(timings.timeoutSeconds)
        .arg(timings.rxDelayMs)
        .arg(timings.nakDelayMs);
}
} // namespace

OrvisnapDownload::Result OrvisnapDownload::run(const QString& devicePath)
{
    DevicePort port(devicePath);
    SystemClock downloadClock;
    BenchListener listener;
    ScreenshotDownload download(listener);
    Result result;
    result.timings = timingsText();
    QElapsedTimer clock;
    clock.start();
    const DownloadResult downloaded = download.run(port, downloadClock);
    result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (downloaded.complete())
        result.file = ReceivedPicture(downloaded.data).file();
    else
        result.problem = QStringLiteral("the download ended without the file (ending %1)")
                             .arg(static_cast<int>(downloaded.ending));
    return result;
}
