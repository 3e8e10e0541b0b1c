#pragma once

#include "downloadlistener.h"
#include "downloadresult.h"
#include "xmodemreceiver.h"

#include <QElapsedTimer>

#include <cstdint>

// One screen download from the instrument over the serial unit's port: opens the port, asks for
// the transfer, runs the receive loop with the waits that keep the application responsive,
// applies the start time-out and ends the exchange. Every front end drives this one loop and
// handles the picture itself.
class ScreenshotDownload {
public:
    static constexpr std::int32_t BaudRate = 38400; // whatever the user's port settings say
    static constexpr std::int64_t ReopenDelayMs = 100;

    explicit ScreenshotDownload(DownloadListener& listener);

    // Runs one download from COM`port` and returns when it has ended. Events are dispatched
    // meanwhile, so the front end's handlers run inside; a nested call is given up at once.
    DownloadResult run(std::int32_t port);

    // One tick of the start time-out; the front end calls it every 200 ms while
    // waitingForFirstBlock(). Reports the countdown, or the expiry that ends the download.
    void startTimeoutTick();

    [[nodiscard]] bool running() const { return running_; }
    [[nodiscard]] bool waitingForFirstBlock() const { return running_ && waiting_ && !timedOut_; }

private:
    [[nodiscard]] bool openAndRequest(std::int32_t port, DownloadResult& result);
    [[nodiscard]] DownloadResult receive();
    void waitBeforeRead(XModemStep::Wait wait);
    void carryOut(const XModemStep& step, DownloadResult& result);
    [[nodiscard]] DownloadResult endedByEot(DownloadResult result);
    [[nodiscard]] DownloadResult stopped(DownloadResult result, DownloadResult::Ending ending);
    void logGroup(const QStringList& lines);

    DownloadListener& listener_;
    XModemReceiver receiver_;
    QElapsedTimer clock_; // monotonic: a clock change neither ends nor extends the wait
    bool running_ = false;
    bool waiting_ = false; // for the first block
    bool timedOut_ = false;
};
