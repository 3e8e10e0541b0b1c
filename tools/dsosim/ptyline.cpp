#include "ptyline.h"

#include "xmodemblock.h"

#include "pseudoterminal.h"
#include "signalwatch.h"

#include <algorithm>
#include <cerrno>

#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr std::int64_t kBitsPerByte = 10; // start bit, 8 data bits, stop bit
} // namespace

PtyLine::PtyLine(const PseudoTerminal& pty, const SignalWatch& signals, int baud, int burstMs)
    : master_(pty.masterFd()), signals_(signals), baud_(baud), burst_(millis(burstMs)),
      epoch_(monotonicNow())
{
}

bool PtyLine::send(std::span<const std::uint8_t> bytes)
{
    const Nanos start = std::max(monotonicNow(), lineFreeAt_);
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (waitUntil(releaseTime(start, sent + 1), 0) == Wait::Interrupted)
            return false;
        const Nanos now = monotonicNow();
        std::size_t due = sent + 1;
        while (due < bytes.size() && releaseTime(start, due + 1) <= now)
            ++due;
        if (!keepsInput_)
            discardInput();
        if (!writeAll(bytes.subspan(sent, due - sent)))
            return false;
        sent = due;
    }
    lineFreeAt_ = start + static_cast<Nanos>(bytes.size()) * kBitsPerByte * kNanosPerSecond / baud_;
    return true;
}

bool PtyLine::pause(Nanos duration)
{
    return waitUntil(monotonicNow() + duration, 0) != Wait::Interrupted;
}

PtyLine::Input PtyLine::readByte(Nanos deadline)
{
    while (pending_.empty()) {
        const Wait status = waitUntil(deadline, POLLIN);
        if (status != Wait::Ready)
            return {status, 0};
        if (!fillPending())
            return {waitUntil(deadline, 0) == Wait::Interrupted ? Wait::Interrupted
                                                                : Wait::TimedOut,
                    0};
    }
    const std::uint8_t byte = pending_.front();
    pending_.pop_front();
    return {Wait::Ready, byte};
}

void PtyLine::discardInput()
{
    while (fillPending()) {
    }
    std::erase_if(pending_, [](std::uint8_t byte) { return byte != XmodemBlock::kCan; });
}

int PtyLine::interruptSignal() const
{
    return signals_.caught();
}

// Byte n (counted from 1) of a run is complete on the line n byte-times after the run's start;
// in burst mode it is handed over at the end of the adapter's window that it falls in.
Nanos PtyLine::releaseTime(Nanos start, std::size_t bytesDone) const
{
    const Nanos due =
        start + static_cast<Nanos>(bytesDone) * kBitsPerByte * kNanosPerSecond / baud_;
    if (burst_ <= 0)
        return due;
    const Nanos windows = (due - epoch_ + burst_ - 1) / burst_;
    return epoch_ + windows * burst_;
}

PtyLine::Wait PtyLine::waitUntil(Nanos deadline, short masterEvents)
{
    for (;;) {
        if (signals_.caught() != 0)
            return Wait::Interrupted;
        const Nanos now = monotonicNow();
        if (now >= deadline && masterEvents == 0)
            return Wait::TimedOut;
        timespec timeout{};
        const Nanos left = std::max<Nanos>(deadline - now, 0);
        timeout.tv_sec = static_cast<time_t>(left / kNanosPerSecond);
        timeout.tv_nsec = static_cast<long>(left % kNanosPerSecond);
        pollfd fds[2] = {{signals_.fd(), POLLIN, 0}, {master_, masterEvents, 0}};
        const int ready = ::ppoll(fds, masterEvents != 0 ? 2 : 1,
                                  deadline == kNever ? nullptr : &timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            return Wait::Interrupted;
        if (fds[0].revents != 0 && signals_.caught() != 0)
            return Wait::Interrupted;
        if (ready > 0 && masterEvents != 0 && fds[1].revents != 0)
            return Wait::Ready;
        if (ready == 0)
            return Wait::TimedOut;
    }
}

bool PtyLine::writeAll(std::span<const std::uint8_t> bytes)
{
    while (!bytes.empty()) {
        const auto n = ::write(master_, bytes.data(), bytes.size());
        if (n > 0) {
            bytes = bytes.subspan(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        // The receiver is not reading: wait until the pseudo-terminal has room again.
        if (waitUntil(monotonicNow() + millis(50), POLLOUT) == Wait::Interrupted)
            return false;
    }
    return true;
}

bool PtyLine::fillPending()
{
    std::uint8_t buffer[4096];
    const auto n = ::read(master_, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    pending_.insert(pending_.end(), buffer, buffer + n);
    return true;
}
