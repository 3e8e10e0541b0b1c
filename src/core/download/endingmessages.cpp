#include "endingmessages.h"

#include "kilobytes.h"

#include <QCoreApplication>

namespace {
using Ending = DownloadResult::Ending;

QString kilobytes(std::int64_t bytes)
{
    return QStringLiteral("%1 KB").arg(RoundedKilobytes(bytes));
}
} // namespace

QString EndingMessages::sentence(DownloadResult::Ending ending, const QString& device,
                                 std::int32_t timeoutSeconds)
{
    switch (ending) {
    case Ending::PortNotOpened:
        return QCoreApplication::translate("EndingMessages", "Error while opening COM port.");
    case Ending::NotReady:
        return QCoreApplication::translate("EndingMessages",
                                           "The working file could not be written.");
    case Ending::TimedOut:
        return QCoreApplication::translate("EndingMessages", "No transfer from %1 within %2 s.")
            .arg(device)
            .arg(timeoutSeconds);
    case Ending::NoData:
        return QCoreApplication::translate("EndingMessages",
                                           "%1 ended the transfer without any data.")
            .arg(device);
    case Ending::LineLost:
        return device.isEmpty()
                   ? QCoreApplication::translate("EndingMessages",
                                                 "The connection to the COM port was lost.")
                   : QCoreApplication::translate("EndingMessages", "The connection to %1 was lost.")
                         .arg(device);
    case Ending::EarlierTransfer:
        return QCoreApplication::translate(
            "EndingMessages",
            "The instrument was still sending an earlier picture. Start the transfer on "
            "the instrument again.");
    case Ending::BlockLost:
        return QCoreApplication::translate(
            "EndingMessages",
            "A block was lost on the line: the picture is incomplete. Start the transfer "
            "on the instrument again.");
    default:
        return {};
    }
}

QString EndingMessages::notAPicture()
{
    return QCoreApplication::translate("EndingMessages",
                                       "The received file is not a valid BMP picture.");
}

QString EndingMessages::status(const DownloadResult& result, std::int64_t pictureBytes)
{
    switch (result.ending) {
    case Ending::Complete:
        return pictureBytes < 0
                   ? QCoreApplication::translate("EndingMessages", "Received, but not a picture")
                   : QCoreApplication::translate("EndingMessages", "Received %1")
                         .arg(kilobytes(pictureBytes));
    case Ending::TimedOut:
        return QCoreApplication::translate("EndingMessages", "No transfer within %1 s")
            .arg(result.elapsedMs / 1000);
    case Ending::Cancelled:
        return QCoreApplication::translate("EndingMessages", "Cancelled");
    case Ending::NoData:
        return QCoreApplication::translate("EndingMessages", "Ended without data");
    case Ending::LineLost:
        return QCoreApplication::translate("EndingMessages", "Line lost");
    case Ending::PortNotOpened:
        return QCoreApplication::translate("EndingMessages", "Port not opened");
    case Ending::NotReady:
        return QCoreApplication::translate("EndingMessages", "Working file not written");
    case Ending::EarlierTransfer:
        return QCoreApplication::translate("EndingMessages", "Earlier transfer cancelled");
    case Ending::BlockLost:
        return QCoreApplication::translate("EndingMessages", "Block lost, picture not kept");
    case Ending::AlreadyRunning:
        break;
    }
    return {};
}
