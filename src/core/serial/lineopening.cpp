#include "lineopening.h"

#include <QCoreApplication>

namespace {
Outcome refused(const QString& path, SerialLine::Refusal why, const QString& words)
{
    QString reason = QStringLiteral("%1: %2").arg(path, words);
    switch (why) {
    case SerialLine::Refusal::NoDevice:
        reason += QLatin1Char('\n') +
                  QCoreApplication::translate(
                      "LineOpening", "The device is not there: was the adapter unplugged?");
        break;
    case SerialLine::Refusal::Permission:
        reason +=
            QLatin1Char('\n') +
            QCoreApplication::translate(
                "LineOpening", "Your user may need to be in the group that owns the device (often "
                               "\"dialout\"); log in again after joining it.");
        break;
    case SerialLine::Refusal::Busy:
        reason += QLatin1Char('\n') +
                  QCoreApplication::translate("LineOpening", "Another program has the port open.");
        break;
    default:
        break;
    }
    return Outcome::failure(reason);
}
} // namespace

Outcome OpenDevice(SerialLine& line, const QString& device)
{
    if (const SerialLine::Opened opened = line.open(device); !opened.ok())
        return refused(device, opened.refusal, opened.words);
    return {};
}

Outcome ConfigureLine(SerialLine& line, const QString& device, const LineSettings& settings)
{
    if (!line.configure(settings))
        return Outcome::failure(QStringLiteral("%1: %2").arg(device, line.errorString()));
    return {};
}
