#include "winserialline.h"

#include "delays.h"
#include "myserial.h"
#include "wincommrules.h"

#include <QElapsedTimer>

#include <string>

namespace {
// How long a close lets writes still in flight go out before it cancels them.
constexpr DWORD WriteDrainMs = 200;
// Other failures than those of a gone device count as a lost line once they repeat.
constexpr int FailuresOfALostLine = 3;

// Reads return at once with what has arrived, whatever time-outs the driver had: a read of the
// queued count then never waits, also where a driver counts the queue before the bytes can be
// taken. Write time-outs stay as the driver has them.
void makeReadsImmediate(HANDLE port)
{
    COMMTIMEOUTS timeouts{};
    if (!GetCommTimeouts(port, &timeouts))
        return;
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    SetCommTimeouts(port, &timeouts);
}
} // namespace

QString WinSerialLine::systemMessage(DWORD error)
{
    wchar_t text[512] = {};
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, text, static_cast<DWORD>(std::size(text)), nullptr);
    if (length == 0)
        return QStringLiteral("system error %1").arg(error);
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
    makeReadsImmediate(port_.get());
    commMask_ = WakeMask;
    SetCommMask(port_.get(), commMask_);
    read_ = std::make_unique<WinOverlapped>();
    commEvent_ = std::make_unique<WinOverlapped>();
    notifier_ = std::make_unique<QWinEventNotifier>(commEvent_->event.get());
    // The event stays signalled until collected, which would wake the notifier again and again.
    QObject::connect(notifier_.get(), &QWinEventNotifier::activated,
                     [this] { collectCommEvent(); });
    errors_ = 0;
    failures_ = 0;
    lost_ = false;
    return {};
}

bool WinSerialLine::configure(const LineSettings& settings)
{
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!port_.valid() || !GetCommState(port_.get(), &dcb)) {
        lastError_ = GetLastError();
        return false;
    }
    dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
    dcb.ByteSize = settings.dataBits;
    dcb.Parity = ParityCode(settings.parity);
    dcb.StopBits = StopBitsCode(settings.stopBits);
    dcb.fBinary = TRUE; // the only mode Windows supports
    // Obeying received XON/XOFF would take bytes 0x11 and 0x13 out of a binary transfer. The
    // other flow-control members stay as the driver has them.
    dcb.fOutX = FALSE;
    if (!SetCommState(port_.get(), &dcb)) {
        lastError_ = GetLastError();
        return false;
    }
    return true;
}

QString WinSerialLine::errorString() const
{
    return systemMessage(lastError_);
}

void WinSerialLine::close()
{
    if (!port_.valid())
        return;
    notifier_.reset();
    if (commPending_) {
        // A new mask ends a pending WaitCommEvent; its record is free once it has completed.
        SetCommMask(port_.get(), 0);
        CancelIoEx(port_.get(), &commEvent_->record);
        DWORD ignored = 0;
        GetOverlappedResult(port_.get(), &commEvent_->record, &ignored, TRUE);
        commPending_ = false;
    }
    finishWrites();
    port_.reset();
    read_.reset();
    commEvent_.reset();
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
    if (WriteFile(port_.get(), pending->bytes.constData(),
                  static_cast<DWORD>(pending->bytes.size()), nullptr, &pending->record)) {
        noteSuccess();
        return;
    }
    if (const DWORD error = GetLastError(); error != ERROR_IO_PENDING) {
        noteFailure(error);
        return;
    }
    writes_.push_back(std::move(pending));
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
        it = writes_.erase(it);
    }
}

void WinSerialLine::finishWrites()
{
    QElapsedTimer clock;
    clock.start();
    for (const auto& pending : writes_) {
        const qint64 left = WriteDrainMs - clock.elapsed();
        if (WaitForSingleObject(pending->event.get(), left > 0 ? static_cast<DWORD>(left) : 0) !=
            WAIT_OBJECT_0)
            CancelIoEx(port_.get(), &pending->record);
        DWORD sent = 0;
        GetOverlappedResult(port_.get(), &pending->record, &sent, TRUE);
    }
    writes_.clear();
}

std::optional<DWORD> WinSerialLine::queueStatus()
{
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(port_.get(), &errors, &status)) {
        noteFailure(GetLastError());
        return std::nullopt;
    }
    noteSuccess();
    errors_ |= errors; // a wait that looked at the queue must not hide a line error from the read
    return status.cbInQue;
}

QByteArray WinSerialLine::readAvailable()
{
    reapWrites();
    if (!port_.valid())
        return {};
    const DWORD queued = queueStatus().value_or(0);
    if (WinCommRules::defersRead(std::exchange(errors_, 0)) || queued == 0)
        return {};
    return readQueued(queued);
}

QByteArray WinSerialLine::readQueued(DWORD count)
{
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    // The bytes are queued and reads return at once, so a read that went pending completes
    // without waiting for the line.
    if (!ReadFile(port_.get(), bytes.data(), count, nullptr, &read_->record) &&
        GetLastError() != ERROR_IO_PENDING) {
        noteFailure(GetLastError());
        return {};
    }
    DWORD got = 0;
    if (!GetOverlappedResult(port_.get(), &read_->record, &got, TRUE)) {
        noteFailure(GetLastError());
        return {};
    }
    noteSuccess();
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

WinSerialLine::CommEvent WinSerialLine::armCommEvent()
{
    if (commPending_)
        return CommEvent::Pending;
    if (commMask_ == 0)
        return CommEvent::Failed;
    firedMask_ = 0;
    if (WaitCommEvent(port_.get(), &firedMask_, &commEvent_->record)) {
        ResetEvent(commEvent_->event.get()); // completed at once, and signalled all the same
        return CommEvent::Happened;
    }
    if (GetLastError() != ERROR_IO_PENDING) {
        commEventFailed();
        return CommEvent::Failed;
    }
    commPending_ = true;
    return CommEvent::Pending;
}

void WinSerialLine::collectCommEvent()
{
    if (!commPending_ || !commEvent_->completed())
        return;
    commPending_ = false;
    DWORD ignored = 0;
    if (!GetOverlappedResult(port_.get(), &commEvent_->record, &ignored, FALSE))
        commEventFailed();
    ResetEvent(commEvent_->event.get());
}

void WinSerialLine::waitForData(std::int64_t maxMs)
{
    if (!port_.valid() || lost_) {
        DelayWithMessages(maxMs);
        return;
    }
    if (queueStatus().value_or(0) > 0)
        return;
    switch (armCommEvent()) {
    case CommEvent::Happened:
        return;
    case CommEvent::Failed:
        // Without the comm event the wait is a plain one, never a busy loop.
        DelayWithMessages(maxMs);
        return;
    case CommEvent::Pending:
        DelayWithMessagesOrSignal(maxMs, notifier_.get(), &QWinEventNotifier::activated);
        collectCommEvent();
        return;
    }
}

void WinSerialLine::commEventFailed()
{
    // A gone device fails the queue's status too, and that counts. A line that still answers
    // has a driver that cannot wait for these events (Wine on a pty cannot watch line errors):
    // then data alone, and failing that, plain waits.
    if (!queueStatus())
        return;
    commMask_ = commMask_ == WakeMask ? DWORD{EV_RXCHAR} : 0;
    if (commMask_ != 0)
        SetCommMask(port_.get(), commMask_);
}

void WinSerialLine::noteFailure(DWORD error)
{
    if (WinCommRules::meansDeviceGone(error) || ++failures_ >= FailuresOfALostLine)
        lost_ = true;
}
