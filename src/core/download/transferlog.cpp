#include "transferlog.h"

#include "hexdump.h"
#include "xmodemreceiver.h"

namespace {
QString hex4(unsigned value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString nameOf(char byte)
{
    switch (byte) {
    case XModemReceiver::ACK:
        return QStringLiteral("ACK");
    case XModemReceiver::NAK:
        return QStringLiteral("NAK");
    case XModemReceiver::CAN:
        return QStringLiteral("CAN");
    default:
        return QStringLiteral("%1").arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0'));
    }
}

QString sent(const QByteArray& bytes)
{
    QStringList names;
    for (const char byte : bytes)
        names << nameOf(byte);
    return QStringLiteral("Tx: ") + names.join(QLatin1Char(' '));
}

QStringList judgement(const XModemStep& step)
{
    using Kind = XModemStep::Kind;
    if (!step.isBlock())
        return {};
    if (step.kind == Kind::BlockRejected)
        return {QStringLiteral("CRC: %1 RxCRC: %2").arg(hex4(step.crc), hex4(step.receivedCrc))};
    QStringList lines{QStringLiteral("CRC: %1 ok").arg(hex4(step.crc))};
    switch (step.kind) {
    case Kind::BlockRepeated:
        lines << QStringLiteral("Repeated block %1 not kept again").arg(step.number);
        break;
    case Kind::EarlierTransfer:
        lines << QStringLiteral("Block %1 came first: an earlier transfer is still running")
                     .arg(step.number);
        break;
    case Kind::BlockLost:
        lines << QStringLiteral("Block %1 came instead of block %2: a block was lost")
                     .arg(step.number)
                     .arg(step.expected);
        break;
    default:
        break;
    }
    return lines;
}
} // namespace

QString TransferLog::thinSeparator()
{
    return QString(47, QLatin1Char('-'));
}

QString TransferLog::thickSeparator()
{
    return QString(47, QLatin1Char('='));
}

QStringList TransferLog::waiting()
{
    return {QStringLiteral("Waiting for XModem transfer..."), thinSeparator()};
}

QStringList TransferLog::read(const XModemStep& step)
{
    if (step.read.isEmpty())
        return {};
    QStringList lines{QStringLiteral("Rx: %1 byte(s)").arg(step.read.size()),
                      MakeHexStr(step.read)};
    if (step.kind == XModemStep::Kind::Eot)
        lines << QStringLiteral("EOT");
    return lines;
}

QStringList TransferLog::answer(const XModemStep& step)
{
    QStringList lines = judgement(step);
    if (step.send.isEmpty())
        return lines;
    lines << sent(step.send);
    // A cancel ends the download: the thick separator follows.
    if (step.send.front() != XModemReceiver::CAN)
        lines << thinSeparator();
    return lines;
}

QStringList TransferLog::cancelled()
{
    return {QStringLiteral("Cancelled.")};
}

QStringList TransferLog::timedOut()
{
    return {QStringLiteral("Timeout.")};
}

QStringList TransferLog::lineLost()
{
    return {QStringLiteral("The COM port was lost.")};
}

QStringList TransferLog::noData()
{
    return {QStringLiteral("No data received.")};
}

QStringList TransferLog::complete()
{
    return {QStringLiteral("XModem transfer complete"), thickSeparator()};
}

QStringList TransferLog::stopped()
{
    return {thickSeparator()};
}
