#include "transferlog.h"

#include "endingtable.h"
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
    if (step.kind == Kind::StrayEot)
        return {QStringLiteral("EOT before any block: an earlier transfer's end, still waiting")};
    if (!step.isBlock())
        return {};
    if (step.kind == Kind::BlockRejected)
        return {QStringLiteral("CRC: %1 RxCRC: %2").arg(hex4(step.crc), hex4(step.receivedCrc))};
    QStringList lines{QStringLiteral("CRC: %1 ok").arg(hex4(step.crc))};
    if (step.kind == Kind::BlockRepeated)
        lines << QStringLiteral("Repeated block %1 not kept again").arg(step.number);
    if (step.kind == Kind::Misnumbered)
        lines << QStringLiteral(
                     "Block %1 with complement %2: the number is unreadable, asked again")
                     .arg(step.number)
                     .arg(step.complement);
    return lines;
}

QStringList ending(const LogFact& fact)
{
    QStringList lines;
    if (const char* words = EndingTable::row(fact.ending).logWords) {
        QString line = QString::fromLatin1(words);
        for (const std::int64_t number : fact.numbers)
            line = line.arg(number);
        lines << line;
    }
    if (!fact.sent.isEmpty())
        lines << sent(fact.sent);
    return lines << TransferLog::thickSeparator();
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

QStringList TransferLog::cancelled()
{
    return {QStringLiteral("Cancelled.")};
}

QStringList TransferLog::lines(const LogFact& fact)
{
    switch (fact.kind) {
    case LogFact::Kind::Read:
        return read(fact.step);
    case LogFact::Kind::Answer:
        return answer(fact.step);
    case LogFact::Kind::Silence:
        return {QStringLiteral("No data for %1 s").arg(fact.numbers.value(0)), sent(fact.sent),
                thinSeparator()};
    case LogFact::Kind::Ending:
        return ending(fact);
    }
    return {};
}

QStringList TransferLog::read(const XModemStep& step)
{
    if (step.read.isEmpty())
        return {};
    QStringList lines{QStringLiteral("Rx: %1 byte(s)").arg(step.read.size()),
                      MakeHexStr(step.read)};
    if (step.kind == XModemStep::Kind::Eot || step.kind == XModemStep::Kind::StrayEot)
        lines << QStringLiteral("EOT");
    return lines;
}

QStringList TransferLog::answer(const XModemStep& step)
{
    QStringList lines = judgement(step);
    if (!step.send.isEmpty())
        lines << sent(step.send);
    if (!lines.isEmpty() && !step.givesUp())
        lines << thinSeparator();
    return lines;
}
