#include "screenshotdownload.h"

#include "delays.h"
#include "filehelpers.h"
#include "myserial.h"
#include "starttimeout.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace {
using Ending = DownloadResult::Ending;

void discardInput()
{
    QByteArray discard;
    ComReadAvailable(discard);
}

} // namespace

ScreenshotDownload::ScreenshotDownload(DownloadListener& listener) : listener_(listener) {}

DownloadResult ScreenshotDownload::run(std::int32_t port)
{
    DownloadResult result;
    if (running_) {
        result.ending = Ending::GivenUp;
        return result;
    }
    running_ = true;
    waiting_ = false;
    timedOut_ = false;
    const auto idle = qScopeGuard([this] { running_ = false; });
    if (!openAndRequest(port, result))
        return result;
    return receive();
}

bool ScreenshotDownload::openAndRequest(std::int32_t port, DownloadResult& result)
{
    ComClose();
    DelayWithMessages(ReopenDelayMs);
    if (listener_.stopRequested()) {
        result.ending = Ending::Cancelled; // closed while waiting: nothing was opened
        return false;
    }
    if (const Outcome opened = ComOpenChecked(port, BaudRate, 8, 'N', 1); !opened) {
        ComClose(); // a port held after a failed configuration is released too
        result.ending = Ending::PortNotOpened;
        result.reason = opened.reason();
        return false;
    }
    ComResetDevice();
    discardInput();
    listener_.portOpened();
    logGroup({QStringLiteral("Waiting for XModem transfer..."), XModemReceiver::thinSeparator()});
    const QByteArrayList request = receiver_.start();
    if (!listener_.readyToRequest()) {
        ComClose();
        result.ending = Ending::GivenUp;
        return false;
    }
    clock_.start();
    waiting_ = true;
    discardInput();
    for (const QByteArray& bytes : request)
        ComWrite(bytes);
    return true;
}

DownloadResult ScreenshotDownload::receive()
{
    DownloadResult result;
    XModemStep::Wait wait = XModemStep::Wait::RxDelay;
    for (;;) {
        QCoreApplication::processEvents();
        if (timedOut_ || listener_.stopRequested())
            return stopped(result, timedOut_ ? Ending::TimedOut : Ending::Cancelled);
        if (ComLineLost()) {
            logGroup({QStringLiteral("The COM port was lost.")});
            return stopped(result, Ending::LineLost);
        }
        waitBeforeRead(wait);
        QByteArray bytes;
        ComReadAvailable(bytes);
        const XModemStep step = receiver_.feed(bytes, clock_.elapsed(),
                                               listener_.timings().nakDelayMs, listener_.logging());
        carryOut(step, result);
        if (step.kind == XModemStep::Kind::Eot)
            return endedByEot(result);
        wait = step.wait;
    }
}

void ScreenshotDownload::waitBeforeRead(XModemStep::Wait wait)
{
    // Timings are read at every wait, so a change takes effect at once. A read being completed
    // is looked at again as soon as more bytes come.
    if (wait == XModemStep::Wait::Poll)
        ComWaitForData(XModemReceiver::PollMs);
    else
        DelayWithMessages(listener_.timings().rxDelayMs);
}

void ScreenshotDownload::carryOut(const XModemStep& step, DownloadResult& result)
{
    logGroup(step.rxLog);
    if (step.isBlock()) {
        waiting_ = false;
        listener_.blockArrived();
    }
    if (step.drain) {
        DelayWithMessages(listener_.timings().nakDelayMs);
        discardInput();
    }
    if (!step.send.isEmpty()) {
        ComWrite(step.send);
        if (step.send.front() == XModemReceiver::NAK)
            ++result.naks;
    }
    logGroup(step.txLog);
    if (step.kind == XModemStep::Kind::BlockAccepted) {
        const QByteArray& kept = receiver_.collected();
        listener_.progress(kept.size(), DeclaredBmpSize(kept).value_or(-1));
    }
}

DownloadResult ScreenshotDownload::endedByEot(DownloadResult result)
{
    if (receiver_.acceptedBlocks() == 0) {
        logGroup({QStringLiteral("No data received.")});
        return stopped(result, Ending::NoData);
    }
    ComClose();
    logGroup({QStringLiteral("XModem transfer complete"), XModemReceiver::thickSeparator()});
    result.ending = Ending::Complete;
    result.data = receiver_.collected();
    result.blocks = receiver_.acceptedBlocks();
    result.elapsedMs = clock_.elapsed();
    return result;
}

DownloadResult ScreenshotDownload::stopped(DownloadResult result, DownloadResult::Ending ending)
{
    ComClose();
    logGroup({XModemReceiver::thickSeparator()});
    result.ending = ending;
    result.blocks = receiver_.acceptedBlocks();
    result.elapsedMs = clock_.elapsed();
    return result;
}

void ScreenshotDownload::startTimeoutTick()
{
    if (!waitingForFirstBlock())
        return;
    const StartTimeoutTick tick =
        EvaluateStartTimeout(clock_.elapsed(), listener_.timings().timeoutSeconds);
    if (!tick.expired) {
        listener_.countdown(tick.secondsLeft);
        return;
    }
    timedOut_ = true;
    logGroup({QStringLiteral("Timeout.")});
    listener_.startTimeoutExpired();
}

void ScreenshotDownload::logGroup(const QStringList& lines)
{
    if (!lines.isEmpty() && listener_.logging())
        listener_.log(lines);
}
