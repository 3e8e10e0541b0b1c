#include "linesettings.h"

QString LineSettings::text() const
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(baudRate)
        .arg(dataBits)
        .arg(parityLetter(parity))
        .arg(stopBitsText(stopBits));
}

QChar LineSettings::parityLetter(Parity parity)
{
    switch (parity) {
    case Parity::Odd:
        return QLatin1Char('O');
    case Parity::Even:
        return QLatin1Char('E');
    case Parity::Mark:
        return QLatin1Char('M');
    case Parity::Space:
        return QLatin1Char('S');
    case Parity::None:
        break;
    }
    return QLatin1Char('N');
}

QString LineSettings::stopBitsText(StopBits stopBits)
{
    switch (stopBits) {
    case StopBits::OneAndHalf:
        return QStringLiteral("1.5");
    case StopBits::Two:
        return QStringLiteral("2");
    case StopBits::One:
        break;
    }
    return QStringLiteral("1");
}
