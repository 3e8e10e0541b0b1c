#include "winserialline.h"

#include "wincommrules.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <string>

namespace {
// How long a close lets writes still in flight go out (the last ACK of a download) before it
// aborts them.
constexpr DWORD WriteDrainMs = 200;
// How long a close waits for the driver to complete the requests it aborted; a driver that takes
// longer is not waited for.
constexpr DWORD AbortedRequestsMs = 250;
// A read takes only bytes that are queued already and reads return at once, so it completes at
// once; one that has not within this bound is cancelled and let go.
constexpr qint64 ReadBoundMs = 500;
// Other failures than those of a gone device count as a lost line once they repeat.
constexpr int FailuresOfALostLine = 3;

DWORD remainingOf(const QElapsedTimer& clock, DWORD boundMs)
{
    const qint64 left = static_cast<qint64>(boundMs) - clock.elapsed();
    return left > 0 ? static_cast<DWORD>(left) : 0;
}
} // namespace

QString WinSerialLine::systemMessage(DWORD error)
{
    wchar_t text[512] = {};
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, text, static_cast<DWORD>(std::size(text)), nullptr);
    if (length == 0)
        return QCoreApplication::translate("WinSerialLine", "system error %1").arg(error);
    return QString::fromWCharArray(text, static_cast<int>(length)).trimmed();
}

SerialLine::Opened WinSerialLine::open(const QString& device)
{
    close();
    const std::wstring path = device.toStdWString();
    WinHandle port(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    if (!port.valid()) {
        const DWORD error = GetLastError();
        return {WinCommRules::refusalOf(error), systemMessage(error)};
    }
    port_ = std::move(port);
    commMask_ = WakeMask;
    SetCommMask(port_.get(), commMask_);
    read_ = std::make_unique<WinOverlapped>();
    readPending_ = false;
    commEvent_ = std::make_unique<WinOverlapped>();
    notifier_.reset(new QWinEventNotifier(commEvent_->event.get()));
    // The event stays signalled until collected, which would wake the notifier again and again.
    QObject::connect(notifier_.get(), &QWinEventNotifier::activated,
                     [this] { collectCommEvent(); });
    watchRead();
    errors_ = 0;
    failures_ = 0;
    lost_ = false;
    armCommEvent();
    return {};
}

void WinSerialLine::watchRead()
{
    readNotifier_.reset(new QWinEventNotifier(read_->event.get()));
    readNotifier_->setEnabled(false);
    QObject::connect(readNotifier_.get(), &QWinEventNotifier::activated, [this] {
        readNotifier_->setEnabled(false); // the next read collects it
        tellReadyRead();
    });
}

bool WinSerialLine::configure(const LineSettings& settings)
{
    DCB driver{};
    driver.DCBlength = sizeof driver;
    if (!port_.valid() || !GetCommState(port_.get(), &driver))
        return failed();
    COMMPROP properties{};
    const DWORD rxQueue =
        GetCommProperties(port_.get(), &properties) ? properties.dwCurrentRxQueue : 0;
    const bool taken = WinCommRules::configureLine(driver, settings, rxQueue, [this](DCB block) {
        block.DCBlength = sizeof block;
        return SetCommState(port_.get(), &block) != 0;
    });
    if (!taken)
        return failed();
    // Reads return at once with what has arrived, whatever time-outs the last program left: a
    // read of the queued count never waits for the line. Writes have no time-out: a leftover
    // one completes a write short, and an ACK that never went out leaves the download waiting.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    if (!SetCommTimeouts(port_.get(), &timeouts))
        return failed();
    return true;
}

bool WinSerialLine::failed()
{
    lastError_ = GetLastError();
    return false;
}

QString WinSerialLine::errorString() const
{
    return systemMessage(lastError_);
}

void WinSerialLine::close()
{
    readyRead_ = nullptr;
    if (!port_.valid())
        return;
    notifier_.reset();
    readNotifier_.reset();
    QElapsedTimer clock;
    clock.start();
    for (const auto& pending : writes_)
        static_cast<void>(pending->awaitCompletion(remainingOf(clock, WriteDrainMs)));
    endRequests();
    port_.reset();
    read_.reset();
    commEvent_.reset();
    commPending_ = false;
    readPending_ = false;
}

// Every request still pending is aborted and given a bounded time to complete: a driver that does
// not complete an aborted request never holds up a close.
void WinSerialLine::endRequests()
{
    SetCommMask(port_.get(), 0); // ends a pending comm-event wait
    PurgeComm(port_.get(), PURGE_TXABORT | PURGE_RXABORT);
    CancelIoEx(port_.get(), nullptr);
    QElapsedTimer clock;
    clock.start();
    const auto settle = [&clock](std::unique_ptr<WinOverlapped> pending) {
        if (pending && !pending->awaitCompletion(remainingOf(clock, AbortedRequestsMs)))
            WinOverlapped::letGo(std::move(pending));
    };
    if (commPending_)
        settle(std::move(commEvent_));
    if (readPending_)
        settle(std::move(read_));
    for (auto& pending : writes_)
        settle(std::move(pending));
    writes_.clear();
}

void WinSerialLine::resetDevice()
{
    if (port_.valid())
        EscapeCommFunction(port_.get(), RESETDEV);
}

void WinSerialLine::write(const QByteArray& bytes)
{
    reapWrites();
    if (!port_.valid() || bytes.isEmpty())
        return;
    auto pending = std::make_unique<WinOverlapped>();
    pending->bytes = bytes; // our own reference: the caller may change or drop its bytes
    if (!WriteFile(port_.get(), pending->bytes.constData(),
                   static_cast<DWORD>(pending->bytes.size()), nullptr, &pending->record)) {
        if (const DWORD error = GetLastError(); error != ERROR_IO_PENDING) {
            noteFailure(error);
            return;
        }
    }
    writes_.push_back(std::move(pending)); // its count is looked at once it has completed
}

void WinSerialLine::reapWrites()
{
    for (auto it = writes_.begin(); it != writes_.end();) {
        if (!(*it)->completed()) {
            ++it;
            continue;
        }
        DWORD sent = 0;
        if (!GetOverlappedResult(port_.get(), &(*it)->record, &sent, FALSE))
            noteFailure(GetLastError());
        else if (sent < static_cast<DWORD>((*it)->bytes.size()))
            noteFailure(ERROR_WRITE_FAULT); // bytes that never went out, an ACK among them
        else
            noteSuccess();
        it = writes_.erase(it);
    }
}

std::optional<DWORD> WinSerialLine::queueStatus()
{
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(port_.get(), &errors, &status)) {
        lastError_ = GetLastError();
        lost_ = true; // a port that cannot tell its queue is gone
        return std::nullopt;
    }
    errors_ |= errors; // a wait that looked at the queue must not hide a line error from the read
    return status.cbInQue;
}

QByteArray WinSerialLine::readAvailable()
{
    reapWrites();
    if (!port_.valid())
        return {};
    if (!readPending_) {
        const DWORD queued = queueStatus().value_or(0);
        if (WinCommRules::defersRead(std::exchange(errors_, 0)) || queued == 0)
            return {};
        startRead(queued);
    }
    if (!readPending_)
        return {};
    if (!read_->completed()) {
        abandonReadAfterItsBound();
        return {};
    }
    return collectRead();
}

// A read of the queued count never waits for the line, so the driver completes it at once or
// very soon; it is never waited for here.
void WinSerialLine::startRead(DWORD count)
{
    read_->bytes.resize(static_cast<qsizetype>(count));
    ResetEvent(read_->event.get());
    if (!ReadFile(port_.get(), read_->bytes.data(), count, nullptr, &read_->record) &&
        GetLastError() != ERROR_IO_PENDING) {
        noteFailure(GetLastError());
        return;
    }
    readPending_ = true;
    readStarted_.start();
    readNotifier_->setEnabled(!read_->completed());
}

void WinSerialLine::abandonReadAfterItsBound()
{
    if (readStarted_.elapsed() < ReadBoundMs)
        return;
    CancelIoEx(port_.get(), &read_->record);
    readNotifier_.reset();
    WinOverlapped::letGo(std::move(read_));
    read_ = std::make_unique<WinOverlapped>();
    watchRead();
    readPending_ = false;
    noteFailure(ERROR_TIMEOUT);
}

QByteArray WinSerialLine::collectRead()
{
    readPending_ = false;
    readNotifier_->setEnabled(false);
    DWORD got = 0;
    if (!GetOverlappedResult(port_.get(), &read_->record, &got, FALSE)) {
        noteFailure(GetLastError());
        return {};
    }
    noteSuccess();
    return read_->bytes.left(static_cast<qsizetype>(got));
}

// The comm event is armed as long as the line is open, so that arriving bytes are told at once.
// A driver that cannot wait for some of these events gets fewer, and one that can wait for none
// gets no tidings at all: its bytes are then found at the next read.
void WinSerialLine::armCommEvent()
{
    while (!commPending_ && commMask_ != 0 && port_.valid() && !lost_) {
        commEvent_->events = 0;
        if (WaitCommEvent(port_.get(), &commEvent_->events, &commEvent_->record)) {
            // Happened already: collected from the event loop like any other.
            SetEvent(commEvent_->event.get());
            commPending_ = true;
            return;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_IO_PENDING) {
            commPending_ = true;
            return;
        }
        if (!WinCommRules::countsAsFailure(error))
            return;
        commEventFailed();
    }
}

void WinSerialLine::collectCommEvent()
{
    // Also after a handler closed the line: then nothing is pending.
    if (!commPending_ || !commEvent_->completed())
        return;
    commPending_ = false;
    DWORD ignored = 0;
    if (!GetOverlappedResult(port_.get(), &commEvent_->record, &ignored, FALSE) &&
        WinCommRules::countsAsFailure(GetLastError()))
        commEventFailed();
    ResetEvent(commEvent_->event.get());
    armCommEvent();
    tellReadyRead(); // last: the handler may close the line
}

void WinSerialLine::tellReadyRead()
{
    // The handler may close the line and drop itself.
    if (const std::function<void()> handler = readyRead_)
        handler();
}

void WinSerialLine::onReadyRead(std::function<void()> handler)
{
    readyRead_ = std::move(handler);
}

void WinSerialLine::commEventFailed()
{
    // A gone device fails the queue's status too, and that counts. A line that still answers
    // has a driver that cannot wait for these events (Wine on a pty cannot watch line errors):
    // then data alone, and failing that, none: its bytes are found at the next read.
    if (!queueStatus())
        return;
    commMask_ = commMask_ == WakeMask ? DWORD{EV_RXCHAR} : 0;
    if (commMask_ != 0)
        SetCommMask(port_.get(), commMask_);
}

void WinSerialLine::noteFailure(DWORD error)
{
    if (!WinCommRules::countsAsFailure(error))
        return;
    if (WinCommRules::meansDeviceGone(error) || ++failures_ >= FailuresOfALostLine)
        lost_ = true;
}
