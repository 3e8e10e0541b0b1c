#pragma once

#include "downloadclock.h"
#include "downloadlistener.h"
#include "downloadport.h"
#include "requestpolicy.h"
#include "transfersession.h"

#include <cstdint>
#include <memory>
#include <optional>

// One screen download from the instrument, driven by events: opens the port it is given after
// the reopening delay, runs a fresh TransferSession from the line's arriving bytes and the
// clock's wake-ups, carries out what the session asks (writes, log, display), and reports the
// one ending. Nothing here waits: every call returns at once, the event loop runs meanwhile.
class ScreenshotDownload {
public:
    static constexpr std::int64_t ReopenDelayMs = 100;

    ScreenshotDownload(DownloadListener& listener, DownloadClock& clock);
    ~ScreenshotDownload();
    ScreenshotDownload(const ScreenshotDownload&) = delete;
    ScreenshotDownload& operator=(const ScreenshotDownload&) = delete;

    // Starts a download on `port`; false while one runs. The port is closed, and opened again
    // once the reopening delay has passed; the listener hears of everything from there on, and
    // last of the ending.
    bool start(DownloadPort& port, RequestPolicy policy = {});
    // Ends the download at the top of its next pass (a pass under way still answers).
    void requestStop();
    // Ends a running download now, in order: CAN where due, the port closed; logged, but its
    // ending is not reported. For a front end that is closing.
    void abort();

    [[nodiscard]] bool running() const { return phase_ != Phase::Idle; }
    // While waiting for the first block: the whole seconds left at the last tick.
    [[nodiscard]] std::optional<std::int64_t> secondsLeft() const;

private:
    enum class Phase { Idle, Reopening, Transfer };

    void reopen();
    void wake();
    void onBytes();
    void carryOut(const SessionStep& step);
    void log(const QStringList& lines);
    void finish(DownloadResult result);
    void release();
    void discardInput();

    DownloadListener& listener_;
    DownloadClock& clock_;
    Phase phase_ = Phase::Idle;
    DownloadPort* port_ = nullptr;
    std::shared_ptr<SerialLine> line_; // alive for the whole download, also when closed under it
    std::optional<TransferSession> session_;
    RequestPolicy policy_;
    bool stopRequested_ = false;
    bool wakeOnData_ = false;
    bool reading_ = false;
};
