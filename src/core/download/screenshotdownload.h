#pragma once

#include "downloadclock.h"
#include "downloadlistener.h"
#include "downloadport.h"
#include "downloadresult.h"
#include "requestpolicy.h"
#include "xmodemreceiver.h"

#include <cstdint>
#include <memory>
#include <optional>

// One screen download from the instrument: opens the port it is given, asks for the transfer,
// runs the receive loop with the waits that keep the application responsive, applies the start
// time-out and ends the exchange. Every wait and time-out runs on the clock it is given. Every
// front end drives this one loop and handles the picture itself.
class ScreenshotDownload {
public:
    static constexpr std::int64_t ReopenDelayMs = 100;
    // How often the start time-out is looked at.
    static constexpr std::int64_t StartTimeoutTickMs = 200;

    explicit ScreenshotDownload(DownloadListener& listener);

    // Runs one download on `port` and returns when it has ended; the port is closed again.
    // Events are dispatched meanwhile, so the front end's handlers run inside; a nested call is
    // given up at once.
    DownloadResult run(DownloadPort& port, DownloadClock& clock, RequestPolicy policy = {});

    // Tells the instrument to stop when a transfer is under way (XModem's cancel), so that it
    // does not go on waiting mid-file and answer the next request with the rest of this one.
    // The driver does this itself when it stops on the front end's request; a front end that
    // closes the port under a running download calls it first.
    void cancelTransfer();

    [[nodiscard]] bool running() const { return running_; }
    [[nodiscard]] bool waitingForFirstBlock() const { return running_ && waiting_ && !timedOut_; }
    // While waiting for the first block: the whole seconds left, as the last tick of the start
    // time-out found them.
    [[nodiscard]] std::optional<std::int64_t> secondsLeft() const;

private:
    [[nodiscard]] bool openAndRequest(DownloadResult& result);
    void discardInput();
    [[nodiscard]] DownloadResult receive();
    void tickWhenDue();
    // One tick of the start time-out: reports the countdown, or the expiry that ends the
    // download.
    void startTimeoutTick();
    void request();
    void repeatRequestWhenDue();
    // A lone EOT before any block while requests repeat: the end of the last transfer.
    [[nodiscard]] bool isLeftoverEot(const XModemStep& step) const;
    void waitBeforeRead(XModemStep::Wait wait);
    void carryOut(const XModemStep& step, DownloadResult& result);
    [[nodiscard]] DownloadResult endedByEot(DownloadResult result);
    [[nodiscard]] DownloadResult stopped(DownloadResult result, DownloadResult::Ending ending);
    [[nodiscard]] std::int64_t elapsedMs() const;
    void logGroup(const QStringList& lines);

    DownloadListener& listener_;
    // While a download runs: what it runs on.
    DownloadPort* port_ = nullptr;
    DownloadClock* clock_ = nullptr;
    std::shared_ptr<SerialLine> line_; // alive for the whole download, also when closed under it
    XModemReceiver receiver_;
    std::int64_t requestedAtMs_ = 0; // monotonic: a clock change neither ends nor extends a wait
    std::int64_t nextTickMs_ = 0;
    std::int64_t lastRequestMs_ = 0;
    std::int64_t secondsLeft_ = 0;
    RequestPolicy policy_;
    bool running_ = false;
    bool waiting_ = false; // for the first block
    bool timedOut_ = false;
};
