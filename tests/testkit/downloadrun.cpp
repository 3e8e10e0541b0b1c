#include "downloadrun.h"

#include <QDeadlineTimer>
#include <QTest>

DownloadRun DownloadRun::toEnd(ScreenshotDownload& download, RecordingListener& listener,
                               DownloadPort& port, RequestPolicy policy, int limitMs)
{
    DownloadRun run;
    listener.result.reset();
    if (!download.start(port, policy))
        return run;
    const QDeadlineTimer deadline(limitMs);
    while (!listener.result && !deadline.hasExpired())
        QTest::qWait(10);
    if (!listener.result) {
        run.hung = true;
        download.requestStop();
        while (!listener.result)
            QTest::qWait(10);
    }
    run.result = *listener.result;
    return run;
}
