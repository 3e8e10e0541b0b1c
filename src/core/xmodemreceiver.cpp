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
    step.send = QByteArray(1, ACK);
    step.txLog << QStringLiteral("CRC: %1 ok").arg(hex4(crc));
    if (isRepeatOfLast(read)) {
        // The sender missed our ACK and sent the block again: keeping it would corrupt the file.
        step.kind = XModemStep::Kind::BlockRepeated;
        step.txLog << QStringLiteral("Repeated block %1 not kept again").arg(byteAt(read, 1));
    } else {
        step.kind = XModemStep::Kind::BlockAccepted;
        noteNumbering(read);
        collected_ += data;
        lastData_ = data;
        ++acceptedBlocks_;
    }
    step.txLog << QStringLiteral("Tx: ACK") << thinSeparator();
}

bool XModemReceiver::isRepeatOfLast(const QByteArray& read) const
{
    return numbered_ && acceptedBlocks_ > 0 && complementValid(read) &&
           byteAt(read, 1) == lastNumber_ && read.mid(3, DataSize) == lastData_;
}

void XModemReceiver::noteNumbering(const QByteArray& read)
{
    const unsigned number = byteAt(read, 1);
    const unsigned expected = acceptedBlocks_ == 0 ? 1U : (lastNumber_ + 1U) & 0xFFU;
    if (!complementValid(read) || number != expected)
        numbered_ = false; // from now on numbers mean nothing: every good block is kept
    lastNumber_ = number;
}
