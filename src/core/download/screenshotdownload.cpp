#include "screenshotdownload.h"

#include "transferlog.h"

ScreenshotDownload::ScreenshotDownload(DownloadListener& listener, DownloadClock& clock)
    : listener_(listener), clock_(clock)
{
}

ScreenshotDownload::~ScreenshotDownload()
{
    abort();
}

bool ScreenshotDownload::start(DownloadPort& port, RequestPolicy policy)
{
    if (running())
        return false;
    port_ = &port;
    policy_ = policy;
    stopRequested_ = false;
    phase_ = Phase::Reopening;
    port_->close();
    clock_.wakeAt(clock_.nowMs() + ReopenDelayMs, [this] { reopen(); });
    return true;
}

void ScreenshotDownload::reopen()
{
    DownloadResult result;
    if (stopRequested_) // nothing was opened yet
        return finish(result);
    if (const Outcome opened = port_->open(); !opened) {
        result.ending = DownloadEnding::PortNotOpened;
        result.reason = opened.reason();
        return finish(result);
    }
    line_ = port_->line();
    line_->resetDevice();
    discardInput();
    listener_.portOpened();
    log(TransferLog::waiting());
    if (const Outcome ready = listener_.readyToRequest(); !ready) {
        result.ending = DownloadEnding::NotReady;
        result.reason = ready.reason();
        return finish(result);
    }
    discardInput();
    phase_ = Phase::Transfer;
    session_.emplace(policy_);
    line_->onReadyRead([this] { onBytes(); });
    carryOut(session_->start(clock_.nowMs(), listener_.timings()));
}

void ScreenshotDownload::requestStop()
{
    stopRequested_ = true;
    if (session_)
        session_->requestStop();
}

void ScreenshotDownload::onBytes()
{
    // A read may tell of the bytes it takes itself: they are that read's.
    if (wakeOnData_ && !reading_)
        wake();
}

void ScreenshotDownload::wake()
{
    wakeOnData_ = false;
    SessionInput input;
    input.nowMs = clock_.nowMs();
    input.lineLost = line_->lost();
    if (!input.lineLost) {
        reading_ = true;
        input.bytes = line_->readAvailable();
        reading_ = false;
    }
    input.timings = listener_.timings();
    carryOut(session_->wake(input));
}

void ScreenshotDownload::carryOut(const SessionStep& step)
{
    // Nothing goes to a line that is gone.
    for (const QByteArray& bytes : step.writes)
        if (!line_->lost())
            line_->write(bytes);
    for (const LogFact& fact : step.log)
        log(TransferLog::lines(fact));
    if (step.countdown)
        listener_.countdown(*step.countdown);
    if (step.blockArrived)
        listener_.blockArrived();
    if (step.progress)
        listener_.progress(step.progress->received, step.progress->expected);
    if (step.ending) {
        DownloadResult result;
        result.ending = *step.ending;
        result.blocks = session_->acceptedBlocks();
        result.naks = session_->naks();
        result.elapsedMs = session_->elapsedMs(clock_.nowMs());
        if (result.complete())
            result.data = session_->collected();
        return finish(result);
    }
    wakeOnData_ = step.wakeOnData;
    clock_.wakeAt(step.wakeAtMs, [this] { wake(); });
}

void ScreenshotDownload::abort()
{
    if (phase_ == Phase::Transfer) {
        const SessionStep ending = session_->abort(line_->lost());
        for (const QByteArray& bytes : ending.writes)
            if (!line_->lost())
                line_->write(bytes);
        for (const LogFact& fact : ending.log)
            log(TransferLog::lines(fact));
    }
    release();
}

void ScreenshotDownload::finish(DownloadResult result)
{
    release();
    // The last call: the front end may start the next download from here.
    listener_.finished(result);
}

void ScreenshotDownload::release()
{
    clock_.cancelWake();
    if (line_)
        line_->onReadyRead(nullptr);
    if (port_)
        port_->close();
    line_.reset();
    session_.reset();
    port_ = nullptr;
    phase_ = Phase::Idle;
    wakeOnData_ = false;
}

std::optional<std::int64_t> ScreenshotDownload::secondsLeft() const
{
    return session_ ? session_->secondsLeft() : std::nullopt;
}

void ScreenshotDownload::log(const QStringList& lines)
{
    if (!lines.isEmpty() && listener_.logging())
        listener_.log(lines);
}

void ScreenshotDownload::discardInput()
{
    (void)line_->readAvailable();
}
