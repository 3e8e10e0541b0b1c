#include "orvisnapdownload.h"

#include "deviceport.h"
#include "receivedpicture.h"
#include "screenshotdownload.h"
#include "systemclock.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
// Far beyond the largest sample in bursts (about 90 s): only a stuck download gets here.
constexpr int WatchdogMs = 600000;

// Nobody sits at the benchmark: default timings, no log.
class BenchListener final : public DownloadListener {
public:
    explicit BenchListener(QEventLoop& loop) : loop_(loop) {}
    [[nodiscard]] DownloadTimings timings() const override { return {}; }
    [[nodiscard]] bool logging() const override { return false; }
    void log(const QStringList& /*lines*/) override {}
    void finished(const DownloadResult& result) override
    {
        result_ = result;
        loop_.quit();
    }
    [[nodiscard]] const DownloadResult& result() const { return result_; }

private:
    QEventLoop& loop_;
    DownloadResult result_;
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
    QEventLoop loop;
    BenchListener listener(loop);
    ScreenshotDownload download(listener, downloadClock);
    Result result;
    result.timings = timingsText();
    QTimer::singleShot(WatchdogMs, &loop, [&download] { download.requestStop(); });
    QElapsedTimer clock;
    clock.start();
    download.start(port);
    loop.exec();
    result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const DownloadResult& downloaded = listener.result();
    if (downloaded.complete())
        result.file = ReceivedPicture(downloaded.data).file();
    else
        result.problem = QStringLiteral("the download ended without the file (ending %1)")
                             .arg(static_cast<int>(downloaded.ending));
    return result;
}
