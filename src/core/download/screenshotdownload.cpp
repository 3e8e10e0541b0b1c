#include "screenshotdownload.h"

#include "bmpheader.h"
#include "starttimeout.h"
#include "transferlog.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace {
using Ending = DownloadResult::Ending;
} // namespace

ScreenshotDownload::ScreenshotDownload(DownloadListener& listener) : listener_(listener) {}

DownloadResult ScreenshotDownload::run(DownloadPort& port, DownloadClock& clock,
                                       RequestPolicy policy)
{
    DownloadResult result;
    if (running_) {
        result.ending = Ending::AlreadyRunning;
        return result;
    }
    running_ = true;
    waiting_ = false;
    timedOut_ = false;
    policy_ = policy;
    port_ = &port;
    clock_ = &clock;
    const auto idle = qScopeGuard([this] {
        running_ = false;
        line_.reset();
        port_ = nullptr;
        clock_ = nullptr;
    });
    if (!openAndRequest(result))
        return result;
    return receive();
}

bool ScreenshotDownload::openAndRequest(DownloadResult& result)
{
    port_->close();
    clock_->delay(ReopenDelayMs);
    if (listener_.stopRequested()) {
        result.ending = Ending::Cancelled; // closed while waiting: nothing was opened
        return false;
    }
    if (const Outcome opened = port_->open(); !opened) {
        result.ending = Ending::PortNotOpened;
        result.reason = opened.reason();
        return false;
    }
    line_ = port_->line();
    line_->resetDevice();
    discardInput();
    listener_.portOpened();
    logGroup(TransferLog::waiting());
    if (const Outcome ready = listener_.readyToRequest(); !ready) {
        port_->close();
        result.ending = Ending::NotReady;
        result.reason = ready.reason();
        return false;
    }
    requestedAtMs_ = clock_->nowMs();
    nextTickMs_ = StartTimeoutTickMs;
    secondsLeft_ = listener_.timings().timeoutSeconds;
    waiting_ = true;
    request();
    return true;
}

void ScreenshotDownload::request()
{
    lastRequestMs_ = elapsedMs();
    const QByteArrayList request = receiver_.start();
    discardInput();
    for (const QByteArray& bytes : request)
        line_->write(bytes);
}

void ScreenshotDownload::repeatRequestWhenDue()
{
    if (policy_.repeatEveryMs > 0 && waitingForFirstBlock() && !receiver_.readPending() &&
        elapsedMs() - lastRequestMs_ >= policy_.repeatEveryMs)
        request();
}

bool ScreenshotDownload::isLeftoverEot(const XModemStep& step) const
{
    return step.kind == XModemStep::Kind::Eot && policy_.repeatEveryMs > 0 &&
           receiver_.blocksSeen() == 0;
}

DownloadResult ScreenshotDownload::receive()
{
    DownloadResult result;
    XModemStep::Wait wait = XModemStep::Wait::RxDelay;
    for (;;) {
        QCoreApplication::processEvents();
        tickWhenDue();
        if (timedOut_ || listener_.stopRequested())
            return stopped(result, timedOut_ ? Ending::TimedOut : Ending::Cancelled);
        if (line_->lost()) {
            logGroup(TransferLog::lineLost());
            return stopped(result, Ending::LineLost);
        }
        repeatRequestWhenDue();
        waitBeforeRead(wait);
        const QByteArray bytes = line_->readAvailable();
        const XModemStep step = receiver_.feed(bytes, elapsedMs(), listener_.timings().nakDelayMs);
        carryOut(step, result);
        if (isLeftoverEot(step))
            (void)receiver_.start(); // forgets the EOT; the next request is due as planned
        else if (step.kind == XModemStep::Kind::Eot)
            return endedByEot(result);
        if (step.ends())
            return stopped(result, step.kind == XModemStep::Kind::EarlierTransfer
                                       ? Ending::EarlierTransfer
                                       : Ending::BlockLost);
        wait = step.wait;
    }
}

void ScreenshotDownload::waitBeforeRead(XModemStep::Wait wait)
{
    // Timings are read at every wait, so a change takes effect at once. A read being completed
    // is looked at again as soon as more bytes come.
    if (wait == XModemStep::Wait::Poll)
        line_->waitForData(XModemReceiver::PollMs);
    else
        clock_->delay(listener_.timings().rxDelayMs);
}

void ScreenshotDownload::carryOut(const XModemStep& step, DownloadResult& result)
{
    // Each group is written if logging is on when it is due: the read's now, the answer's after
    // the NAK delay and the write.
    if (!step.read.isEmpty() && listener_.logging())
        listener_.log(TransferLog::read(step));
    if (step.isBlock()) {
        waiting_ = false;
        listener_.blockArrived();
    }
    if (step.drain) {
        clock_->delay(listener_.timings().nakDelayMs);
        discardInput();
    }
    if (!step.send.isEmpty()) {
        line_->write(step.send);
        if (step.send.front() == XModemReceiver::NAK)
            ++result.naks;
    }
    logGroup(TransferLog::answer(step));
    if (step.kind == XModemStep::Kind::BlockAccepted) {
        const QByteArray& kept = receiver_.collected();
        listener_.progress(kept.size(), DeclaredBmpSize(kept).value_or(-1));
    }
}

DownloadResult ScreenshotDownload::endedByEot(DownloadResult result)
{
    if (receiver_.acceptedBlocks() == 0) {
        logGroup(TransferLog::noData());
        return stopped(result, Ending::NoData);
    }
    result.elapsedMs = elapsedMs();
    port_->close();
    logGroup(TransferLog::complete());
    result.ending = Ending::Complete;
    result.data = receiver_.collected();
    result.blocks = receiver_.acceptedBlocks();
    return result;
}

DownloadResult ScreenshotDownload::stopped(DownloadResult result, DownloadResult::Ending ending)
{
    result.elapsedMs = elapsedMs();
    if (ending == Ending::Cancelled)
        cancelTransfer();
    port_->close();
    logGroup(TransferLog::stopped());
    result.ending = ending;
    result.blocks = receiver_.acceptedBlocks();
    return result;
}

void ScreenshotDownload::cancelTransfer()
{
    if (!running_)
        return;
    const XModemStep cancelling = receiver_.cancel();
    if (cancelling.send.isEmpty())
        return;
    line_->write(cancelling.send);
    logGroup(TransferLog::answer(cancelling));
}

void ScreenshotDownload::tickWhenDue()
{
    if (waitingForFirstBlock() && elapsedMs() >= nextTickMs_)
        startTimeoutTick();
}

void ScreenshotDownload::startTimeoutTick()
{
    const std::int64_t now = elapsedMs();
    nextTickMs_ = (now / StartTimeoutTickMs + 1) * StartTimeoutTickMs;
    const StartTimeoutTick tick = EvaluateStartTimeout(now, listener_.timings().timeoutSeconds);
    if (!tick.expired) {
        secondsLeft_ = tick.secondsLeft;
        listener_.countdown(tick.secondsLeft);
        return;
    }
    timedOut_ = true;
    logGroup(TransferLog::timedOut());
    listener_.startTimeoutExpired();
}

std::optional<std::int64_t> ScreenshotDownload::secondsLeft() const
{
    if (!waitingForFirstBlock())
        return std::nullopt;
    return secondsLeft_;
}

std::int64_t ScreenshotDownload::elapsedMs() const
{
    return clock_->nowMs() - requestedAtMs_;
}

void ScreenshotDownload::discardInput()
{
    (void)line_->readAvailable();
}

void ScreenshotDownload::logGroup(const QStringList& lines)
{
    if (!lines.isEmpty() && listener_.logging())
        listener_.log(lines);
}
