#include "progresstext.h"

#include "kilobytes.h"

#include <algorithm>

namespace {
QString minutesAndSeconds(std::int64_t seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

QString ProgressText::waiting(const QString& device, std::int64_t secondsLeft)
{
    return QStringLiteral("Waiting for the instrument on %1: %2 s").arg(device).arg(secondsLeft);
}

QString ProgressText::transfer(std::int64_t received, std::int64_t expected,
                               std::int64_t receivedSinceFirst, std::int64_t msSinceFirst)
{
    // Bytes per second; unknown until something came after the first block.
    const std::int64_t rate =
        msSinceFirst > 0 && receivedSinceFirst > 0 ? receivedSinceFirst * 1000 / msSinceFirst : 0;
    const QString rateText =
        rate > 0 ? QStringLiteral("%1 KB/s").arg(static_cast<double>(rate) / 1024.0, 0, 'f', 1)
                 : QStringLiteral("-- KB/s");
    if (expected <= 0)
        return QStringLiteral("%1 KB  %2").arg(RoundedKilobytes(received)).arg(rateText);
    // The last block's padding may take the count past the stated size.
    const std::int64_t done = std::min(received, expected);
    const QString left =
        rate > 0 ? minutesAndSeconds((expected - done + rate - 1) / rate) : QStringLiteral("-:--");
    return QStringLiteral("%1%  %2 / %3 KB  %4  %5 left")
        .arg(done * 100 / expected, 3)
        .arg(RoundedKilobytes(done))
        .arg(RoundedKilobytes(expected))
        .arg(rateText, left);
}

QString ProgressText::saved(const QString& file, QSize picture, std::int64_t bytes, std::int64_t ms,
                            int naks)
{
    return QStringLiteral("%1: %2x%3, %4 bytes in %5 s, %6 NAK%7")
        .arg(file)
        .arg(picture.width())
        .arg(picture.height())
        .arg(bytes)
        .arg(static_cast<double>(ms) / 1000.0, 0, 'f', 1)
        .arg(naks)
        .arg(naks == 1 ? QString() : QStringLiteral("s"));
}
