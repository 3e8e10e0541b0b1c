#include "wincommrules.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {
// CE_RXOVER, CE_OVERRUN, CE_RXPARITY, CE_FRAME, CE_BREAK, CE_TXFULL, CE_PTO, CE_IOE, CE_DNS,
// CE_OOP, CE_MODE.
constexpr std::array<std::uint32_t, 11> SingleErrorFlags{1,   2,    4,    8,    16,   256,
                                                         512, 1024, 2048, 4096, 32768};

constexpr std::uint32_t ErrorFileNotFound = 2;
constexpr std::uint32_t ErrorPathNotFound = 3;
constexpr std::uint32_t ErrorAccessDenied = 5;
constexpr std::uint32_t ErrorInvalidHandle = 6;
constexpr std::uint32_t ErrorBadCommand = 22;
constexpr std::uint32_t ErrorGenFailure = 31;
constexpr std::uint32_t ErrorSharingViolation = 32;
constexpr std::uint32_t ErrorDevNotExist = 55;
constexpr std::uint32_t ErrorNoSuchDevice = 433;
constexpr std::uint32_t ErrorOperationAborted = 995;
constexpr std::uint32_t ErrorDeviceNotConnected = 1167;
constexpr std::uint32_t ErrorDeviceRemoved = 1617;

// An aborted request is not among them: it is what a purge or a cancel gives.
constexpr std::array<std::uint32_t, 8> DeviceGoneErrors{
    ErrorAccessDenied, ErrorInvalidHandle,      ErrorBadCommand,   ErrorGenFailure,
    ErrorDevNotExist,  ErrorDeviceNotConnected, ErrorNoSuchDevice, ErrorDeviceRemoved};
} // namespace

bool WinCommRules::defersRead(std::uint32_t errorWord)
{
    return std::find(SingleErrorFlags.begin(), SingleErrorFlags.end(), errorWord) !=
           SingleErrorFlags.end();
}

SerialLine::Refusal WinCommRules::refusalOf(std::uint32_t lastError)
{
    switch (lastError) {
    case ErrorFileNotFound:
    case ErrorPathNotFound:
        return SerialLine::Refusal::NoDevice;
    // The port is opened without sharing, so another holder shows as either.
    case ErrorAccessDenied:
    case ErrorSharingViolation:
        return SerialLine::Refusal::Busy;
    default:
        return SerialLine::Refusal::Other;
    }
}

bool WinCommRules::meansDeviceGone(std::uint32_t lastError)
{
    return std::find(DeviceGoneErrors.begin(), DeviceGoneErrors.end(), lastError) !=
           DeviceGoneErrors.end();
}

bool WinCommRules::countsAsFailure(std::uint32_t lastError)
{
    return lastError != ErrorOperationAborted;
}

QString WinCommRules::devicePath(std::int32_t port)
{
    return QStringLiteral("\\\\.\\COM%1").arg(port);
}

std::optional<std::int32_t> WinCommRules::portNumberOfName(const QString& name)
{
    static const QRegularExpression comName(
        QRegularExpression::anchoredPattern(QStringLiteral(R"((?:\\\\\.\\)?COM([1-9][0-9]{0,8}))")),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = comName.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

QMap<int, QString> WinCommRules::listedPorts(const QStringList& names)
{
    QMap<int, QString> ports;
    for (const QString& name : names)
        if (const auto number = portNumberOfName(name.trimmed())) // blanks a driver left
            ports.insert(*number, devicePath(*number));
    return ports;
}
