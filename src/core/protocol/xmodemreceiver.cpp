#include "xmodemreceiver.h"

#include "crc16.h"

#include <algorithm>
#include <utility>

namespace {
[[nodiscard]] unsigned byteAt(const QByteArray& bytes, int index)
{
    return static_cast<unsigned char>(bytes[index]);
}

[[nodiscard]] bool complementValid(const QByteArray& block)
{
    return (byteAt(block, 1) ^ byteAt(block, 2)) == 0xFFU;
}

[[nodiscard]] bool beginsWithTwoCans(const QByteArray& read)
{
    return read.size() >= 2 && read[0] == XModemReceiver::CAN && read[1] == XModemReceiver::CAN;
}
} // namespace

XModemStep XModemReceiver::feed(const QByteArray& bytes, std::int64_t nowMs,
                                std::int32_t nakDelayMs)
{
    if (!bytes.isEmpty()) {
        pending_.append(bytes);
        lastByteAtMs_ = nowMs;
    }
    if (pending_.isEmpty())
        return {};
    if (!readComplete(nowMs, nakDelayMs)) {
        XModemStep step;
        step.kind = XModemStep::Kind::Incomplete;
        step.wait = XModemStep::Wait::Poll;
        return step;
    }
    return judge(std::exchange(pending_, {}));
}

bool XModemReceiver::readComplete(std::int64_t nowMs, std::int32_t nakDelayMs) const
{
    if (pending_.size() >= BlockSize)
        return true;
    const std::int64_t quiet = std::max<std::int64_t>(nakDelayMs, MinQuietMs);
    return nowMs - lastByteAtMs_ >= quiet;
}

XModemStep XModemReceiver::judge(const QByteArray& read)
{
    XModemStep step;
    step.read = read;
    if (read.size() == 1 && read[0] == EOT) {
        // Before any data an EOT ends nothing of ours: it is the last transfer's, repeated
        // because it is never answered.
        step.kind = acceptedBlocks_ > 0 ? XModemStep::Kind::Eot : XModemStep::Kind::StrayEot;
        instrumentDone_ = step.kind == XModemStep::Kind::Eot;
    } else if (read.size() == BlockSize) {
        judgeBlock(read, step);
    } else if (beginsWithTwoCans(read)) {
        step.kind = XModemStep::Kind::InstrumentCancel;
        otherBytesSeen_ = true;
        instrumentDone_ = true;
    } else {
        step.kind = XModemStep::Kind::Garbage;
        step.drain = true;
        step.send = QByteArray(1, NAK);
        otherBytesSeen_ = true;
    }
    return step;
}

void XModemReceiver::judgeBlock(const QByteArray& read, XModemStep& step)
{
    ++blocksSeen_;
    const QByteArray data = read.mid(3, DataSize);
    Crc16OfBuffer(step.crc, data.constData(), static_cast<std::uint16_t>(DataSize));
    step.receivedCrc = static_cast<std::uint16_t>(byteAt(read, 131) * 256U + byteAt(read, 132));
    step.number = byteAt(read, 1);
    step.complement = byteAt(read, 2);
    if (step.crc != step.receivedCrc) {
        step.kind = XModemStep::Kind::BlockRejected;
        step.send = QByteArray(1, NAK);
        return;
    }
    if (askAgainFor(read)) {
        // The CRC covers the data alone: noise on the number bytes is asked again, never taken
        // as a sender that does not number its blocks.
        step.kind = XModemStep::Kind::Misnumbered;
        step.send = QByteArray(1, NAK);
        return;
    }
    switch (placeOf(read)) {
    case Place::First:
        // Block 98 first: the instrument goes on with a transfer whose receiver went away, and
        // takes our request for a NAK of that block. Its tail is no picture.
        step.kind = XModemStep::Kind::EarlierTransfer;
        return;
    case Place::Lost:
        step.expected = (lastNumber_ + 1U) & 0xFFU;
        step.kind = XModemStep::Kind::BlockLost;
        return;
    case Place::Repeat:
        // The sender missed our ACK and sent the block again: keeping it would corrupt the file.
        step.kind = XModemStep::Kind::BlockRepeated;
        break;
    case Place::Next:
        step.kind = XModemStep::Kind::BlockAccepted;
        keep(read);
        break;
    }
    step.send = QByteArray(1, ACK);
}

bool XModemReceiver::askAgainFor(const QByteArray& read)
{
    if (complementValid(read) || numbering_ == Numbering::Uncounted)
        return false;
    if (read == misnumbered_)
        return false; // the same block the same way: that is how this sender numbers
    misnumbered_ = read;
    return true;
}

XModemReceiver::Place XModemReceiver::placeOf(const QByteArray& read) const
{
    const bool valid = complementValid(read);
    const unsigned number = byteAt(read, 1);
    switch (numbering_) {
    case Numbering::Unknown:
        return valid && number != 1U ? Place::First : Place::Next;
    case Numbering::Uncounted:
        return Place::Next;
    case Numbering::Counted:
        break;
    }
    if (!valid) // the number is unreadable; the data tells a repeat
        return read.mid(3, DataSize) == lastData_ ? Place::Repeat : Place::Next;
    if (number == lastNumber_)
        return Place::Repeat;
    return number == ((lastNumber_ + 1U) & 0xFFU) ? Place::Next : Place::Lost;
}

void XModemReceiver::keep(const QByteArray& read)
{
    if (numbering_ == Numbering::Unknown)
        numbering_ = complementValid(read) ? Numbering::Counted : Numbering::Uncounted;
    // A block whose number cannot be read still counts as the next one.
    lastNumber_ = complementValid(read) ? byteAt(read, 1) : (lastNumber_ + 1U) & 0xFFU;
    lastData_ = read.mid(3, DataSize);
    collected_ += lastData_;
    ++acceptedBlocks_;
}

bool XModemReceiver::transferUnderWay() const
{
    return blocksSeen_ > 0 || otherBytesSeen_ || !pending_.isEmpty();
}

QByteArray XModemReceiver::cancel()
{
    if (cancelled_ || instrumentDone_ || !transferUnderWay())
        return {};
    cancelled_ = true;
    return QByteArray(3, CAN);
}
