#include "xmodemsender.h"

#include "ptyline.h"
#include "randomfaults.h"
#include "xmodemblock.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {
constexpr int kMaxRepeats = 10;
constexpr int kSilenceMs = 120000;

[[nodiscard]] const char* answerName(std::uint8_t byte)
{
    return byte == XmodemBlock::kAck ? "ACK" : byte == XmodemBlock::kNak ? "NAK" : "CAN";
}
} // namespace

XmodemSender::XmodemSender(PtyLine& line, const SimOptions& options,
                           const std::vector<std::uint8_t>& file, RandomFaults* randomFaults)
    : line_(line), options_(options), randomFaults_(randomFaults), faults_(options.faults),
      file_(file)
{
}

int XmodemSender::run()
{
    for (;;) {
        if (!waitForRequest())
            return exitStatus(Outcome::Interrupted);
        stats_ = {};
        transmissions_ = 0;
        drawFaults();
        const Outcome outcome = serve();
        printSummary();
        lineClosed_ = outcome == Outcome::Closed;
        if (!options_.loop || outcome == Outcome::Closed || outcome == Outcome::Interrupted)
            return exitStatus(outcome);
    }
}

void XmodemSender::drawFaults()
{
    if (randomFaults_ == nullptr)
        return;
    faults_ = randomFaults_->next(XmodemBlock::blockCount(file_.size()));
    std::printf("fault %s\n", RandomFaults::describe(faults_).c_str());
    std::fflush(stdout);
}

// Anything but a request is ignored: leftovers of an earlier exchange, line noise.
bool XmodemSender::waitForRequest()
{
    for (;;) {
        const PtyLine::Input input = line_.readByte(kNever);
        if (input.status == PtyLine::Wait::Interrupted)
            return false;
        if (input.byte == XmodemBlock::kNak || input.byte == XmodemBlock::kCrcRequest) {
            note("request 0x%02X\n", input.byte);
            return true;
        }
    }
}

XmodemSender::Outcome XmodemSender::serve()
{
    if (options_.startDelayMs > 0) {
        // The user is still pressing the instrument's buttons; repeated requests fade away.
        if (!line_.pause(millis(options_.startDelayMs)))
            return Outcome::Interrupted;
        if (!options_.keepsInput)
            line_.discardInput();
    }
    // An EOT that comes first ends the transfer before it began: the file is empty.
    if (faults_.eotFirst)
        return finishWithEot();
    const Outcome outcome = sendBlocks();
    if (outcome != Outcome::Finished)
        return outcome;
    return finishWithEot();
}

XmodemSender::Outcome XmodemSender::sendBlocks()
{
    const std::size_t count = XmodemBlock::blockCount(file_.size());
    const std::size_t first = transfers_++ == 0 ? options_.firstBlock : 1;
    for (std::size_t index = first; index <= count; ++index) {
        if (faults_.skipBlock == index) {
            note("block %zu: skipped\n", index);
            continue;
        }
        Outcome outcome = deliverBlock(index, true);
        if (outcome == Outcome::Finished && faults_.lostAck == index) {
            note("block %zu: acting as if its ACK was lost\n", index);
            outcome = deliverBlock(index, false);
        }
        if (outcome != Outcome::Finished)
            return outcome;
        if (faults_.closeAfter == index) {
            note("closing the line after block %zu\n", index);
            return Outcome::Closed;
        }
        if (faults_.cancelAfter == index)
            return cancelTransfer(index);
        if (faults_.silentAfter == index)
            return fallSilent(index);
    }
    return Outcome::Finished;
}

// Sends one block until it is ACKed, repeating after a NAK or silence up to kMaxRepeats times.
XmodemSender::Outcome XmodemSender::deliverBlock(std::size_t index, bool firstTransmission)
{
    for (int failures = 0;; ++failures) {
        if (failures > kMaxRepeats) {
            note("block %zu: no ACK after %d repeats, giving up\n", index, kMaxRepeats);
            return Outcome::GaveUp;
        }
        if (!transmitBlock(index, firstTransmission))
            return Outcome::Interrupted;
        if (!firstTransmission)
            ++stats_.repeats;
        firstTransmission = false;
        switch (waitAnswer(millis(options_.answerTimeoutMs))) {
        case Answer::Ack:
            ++stats_.blocks;
            return Outcome::Finished;
        case Answer::Nak:
            break;
        case Answer::Silence:
            note("block %zu: no answer\n", index);
            break;
        case Answer::Cancel:
            note("block %zu: cancelled by the receiver\n", index);
            return Outcome::GaveUp;
        case Answer::Interrupted:
            return Outcome::Interrupted;
        }
    }
}

bool XmodemSender::transmitBlock(std::size_t index, bool firstTransmission)
{
    if (!pauseBeforeSending())
        return false;
    ++transmissions_;
    const bool wrongCrc = faults_.wrongCrc(index, firstTransmission, transmissions_);
    XmodemBlock::Frame frame = XmodemBlock::frame(file_, index, wrongCrc);
    if (firstTransmission && faults_.badComplement == index)
        frame[2] = frame[1]; // the CRC covers the data only: still good
    note("block %zu (number %u)%s%s\n", index, frame[1], firstTransmission ? "" : " again",
         wrongCrc ? " with a wrong CRC" : "");
    if (firstTransmission && faults_.noiseBefore == index && !transmit(FaultPlan::noise(index)))
        return false;
    if (!firstTransmission || faults_.stallBlock != index)
        return transmit(frame);
    const std::span<const std::uint8_t> whole(frame);
    const std::size_t half = whole.size() / 2;
    return transmit(whole.first(half)) && line_.pause(millis(faults_.stallMs)) &&
           transmit(whole.subspan(half));
}

XmodemSender::Outcome XmodemSender::cancelTransfer(std::size_t index)
{
    note("giving up after block %zu: CAN CAN\n", index);
    const std::uint8_t cancel[] = {XmodemBlock::kCan, XmodemBlock::kCan};
    if (!pauseBeforeSending() || !transmit(cancel))
        return Outcome::Interrupted;
    stats_.endAt = monotonicNow();
    return Outcome::GaveUp;
}

// Says nothing more, whatever comes, until the receiver gives the transfer up.
XmodemSender::Outcome XmodemSender::fallSilent(std::size_t index)
{
    note("silent after block %zu\n", index);
    const Nanos deadline = monotonicNow() + millis(kSilenceMs);
    for (;;) {
        switch (waitAnswer(std::max<Nanos>(deadline - monotonicNow(), 0))) {
        case Answer::Cancel:
            note("cancelled by the receiver while silent\n");
            return Outcome::GaveUp;
        case Answer::Interrupted:
            return Outcome::Interrupted;
        case Answer::Silence:
            return Outcome::GaveUp;
        case Answer::Ack:
        case Answer::Nak:
            break;
        }
    }
}

bool XmodemSender::transmit(std::span<const std::uint8_t> bytes)
{
    if (stats_.firstByteAt == 0)
        stats_.firstByteAt = monotonicNow();
    return line_.send(bytes);
}

// An instrument needs a moment between hearing an answer and sending again.
bool XmodemSender::pauseBeforeSending()
{
    return options_.replyDelayMs <= 0 || line_.pause(millis(options_.replyDelayMs));
}

// Waits the whole interval for an ACK. A NAK is not taken as a request to repeat at once: it
// may be the receiver's second start request arriving just after a lone EOT.
XmodemSender::Answer XmodemSender::sendEot()
{
    note("EOT\n");
    const std::uint8_t eot = XmodemBlock::kEot;
    if (!pauseBeforeSending() || !transmit(std::span(&eot, 1)))
        return Answer::Interrupted;
    const Nanos deadline = monotonicNow() + millis(options_.eotIntervalMs);
    for (;;) {
        const Answer answer = waitAnswer(std::max<Nanos>(deadline - monotonicNow(), 0));
        if (answer != Answer::Nak)
            return answer;
    }
}

// Orvisnap never answers EOT; standard receivers ACK it, some only the second one.
XmodemSender::Outcome XmodemSender::finishWithEot()
{
    for (int sent = 0;; ++sent) {
        const Answer answer = sendEot();
        if (answer == Answer::Interrupted)
            return Outcome::Interrupted;
        if (answer != Answer::Silence || sent >= options_.eotRepeats)
            break;
    }
    stats_.endAt = monotonicNow();
    return Outcome::Finished;
}

XmodemSender::Answer XmodemSender::waitAnswer(Nanos timeout)
{
    const Nanos deadline = monotonicNow() + timeout;
    int cancels = 0;
    for (;;) {
        const PtyLine::Input input = line_.readByte(deadline);
        if (input.status == PtyLine::Wait::Interrupted)
            return Answer::Interrupted;
        if (input.status == PtyLine::Wait::TimedOut)
            return Answer::Silence;
        const std::uint8_t byte = input.byte;
        if (byte == XmodemBlock::kAck || byte == XmodemBlock::kNak || byte == XmodemBlock::kCan)
            note("answer %s\n", answerName(byte));
        if (byte == XmodemBlock::kAck)
            return Answer::Ack;
        if (byte == XmodemBlock::kNak) {
            ++stats_.naks;
            return Answer::Nak;
        }
        // A single CAN may be noise; two in a row is the receiver giving up.
        cancels = byte == XmodemBlock::kCan ? cancels + 1 : 0;
        if (cancels >= 2)
            return Answer::Cancel;
    }
}

int XmodemSender::exitStatus(Outcome outcome) const
{
    switch (outcome) {
    case Outcome::Finished:
    case Outcome::Closed:
        return 0;
    case Outcome::GaveUp:
        return 1;
    case Outcome::Interrupted:
        break;
    }
    const int signo = line_.interruptSignal();
    return signo != 0 ? 128 + signo : 1;
}

void XmodemSender::printSummary()
{
    if (stats_.endAt == 0)
        stats_.endAt = monotonicNow();
    const Nanos start = stats_.firstByteAt != 0 ? stats_.firstByteAt : stats_.endAt;
    const double seconds = static_cast<double>(stats_.endAt - start) / kNanosPerSecond;
    std::printf("summary blocks=%zu naks=%zu repeats=%zu seconds=%.3f\n", stats_.blocks,
                stats_.naks, stats_.repeats, seconds);
    std::fflush(stdout);
}

void XmodemSender::note(const char* format, ...) const
{
    if (!options_.verbose)
        return;
    std::fprintf(stderr, "[%9.3f] ", static_cast<double>(monotonicNow()) / kNanosPerSecond);
    std::va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
}
