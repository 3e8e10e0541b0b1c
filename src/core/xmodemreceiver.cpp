#include "xmodemreceiver.h"

#include "crc16.h"

#include <algorithm>
#include <utility>

namespace {
QString hex4(unsigned value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

[[nodiscard]] unsigned byteAt(const QByteArray& bytes, int index)
{
    return static_cast<unsigned char>(bytes[index]);
}

[[nodiscard]] bool complementValid(const QByteArray& block)
{
    return (byteAt(block, 1) ^ byteAt(block, 2)) == 0xFFU;
}
} // namespace

QByteArrayList XModemReceiver::start()
{
    *this = XModemReceiver{};
    return {QByteArray(1, NAK), QByteArray(1, NAK)};
}

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
        step.kind = XModemStep::Kind::Eot;
        eotSeen_ = true;
    } else if (read.size() == BlockSize) {
        judgeBlock(read, step);
    } else {
        step.kind = XModemStep::Kind::Garbage;
        step.drain = true;
        step.send = QByteArray(1, NAK);
        step.txLog << QStringLiteral("Tx: NAK") << thinSeparator();
    }
    return step;
}

void XModemReceiver::judgeBlock(const QByteArray& read, XModemStep& step)
{
    ++blocksSeen_;
    const QByteArray data = read.mid(3, DataSize);
    std::uint16_t crc = 0;
    Crc16OfBuffer(crc, data.constData(), static_cast<std::uint16_t>(DataSize));
    const unsigned received = byteAt(read, 131) * 256U + byteAt(read, 132);
    if (crc != received) {
        step.kind = XModemStep::Kind::BlockRejected;
        step.send = QByteArray(1, NAK);
        step.txLog << QStringLiteral("CRC: %1 RxCRC: %2").arg(hex4(crc), hex4(received))
                   << QStringLiteral("Tx: NAK") << thinSeparator();
        return;
    }
    step.txLog << QStringLiteral("CRC: %1 ok").arg(hex4(crc));
    const unsigned number = byteAt(read, 1);
    switch (placeOf(read)) {
    case Place::First:
        // Block 98 first: the instrument goes on with a transfer whose receiver went away, and
        // takes our request for a NAK of that block. Its tail is no picture.
        endWithCancel(step, XModemStep::Kind::EarlierTransfer,
                      QStringLiteral("Block %1 came first: an earlier transfer is still running")
                          .arg(number));
        return;
    case Place::Lost:
        endWithCancel(step, XModemStep::Kind::BlockLost,
                      QStringLiteral("Block %1 came instead of block %2: a block was lost")
                          .arg(number)
                          .arg((lastNumber_ + 1U) & 0xFFU));
        return;
    case Place::Repeat:
        // The sender missed our ACK and sent the block again: keeping it would corrupt the file.
        step.kind = XModemStep::Kind::BlockRepeated;
        step.txLog << QStringLiteral("Repeated block %1 not kept again").arg(number);
        break;
    case Place::Next:
        step.kind = XModemStep::Kind::BlockAccepted;
        keep(read);
        break;
    }
    step.send = QByteArray(1, ACK);
    step.txLog << QStringLiteral("Tx: ACK") << thinSeparator();
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

void XModemReceiver::endWithCancel(XModemStep& step, XModemStep::Kind kind, const QString& why)
{
    const XModemStep cancelling = cancel();
    step.kind = kind;
    step.send = cancelling.send;
    step.txLog << why << cancelling.txLog;
}

XModemStep XModemReceiver::cancel()
{
    XModemStep step;
    if (cancelled_ || eotSeen_ || blocksSeen_ == 0)
        return step;
    cancelled_ = true;
    step.send = QByteArray(3, CAN);
    step.txLog << QStringLiteral("Tx: CAN CAN CAN");
    return step;
}
