#include "endingmessages.h"

namespace {
using Ending = DownloadResult::Ending;

QString kilobytes(std::int64_t bytes)
{
    return QStringLiteral("%1 KB").arg((bytes + 512) / 1024);
}
} // namespace

QString EndingMessages::sentence(DownloadResult::Ending ending)
{
    switch (ending) {
    case Ending::PortNotOpened:
        return QStringLiteral("Error while opening COM port.");
    case Ending::LineLost:
        return QStringLiteral("The connection to the COM port was lost.");
    case Ending::EarlierTransfer:
        return QStringLiteral("The instrument was still sending an earlier picture. Start the "
                              "transfer on the instrument again.");
    case Ending::BlockLost:
        return QStringLiteral("A block was lost on the line: the picture is incomplete. Start the "
                              "transfer on the instrument again.");
    default:
        return {};
    }
}

QString EndingMessages::notAPicture()
{
    return QStringLiteral("The received file is not a valid BMP picture.");
}

QString EndingMessages::status(const DownloadResult& result, std::int64_t pictureBytes)
{
    switch (result.ending) {
    case Ending::Complete:
        return pictureBytes < 0 ? QStringLiteral("Received, but not a picture")
                                : QStringLiteral("Received %1").arg(kilobytes(pictureBytes));
    case Ending::TimedOut:
        return QStringLiteral("No transfer within %1 s").arg(result.elapsedMs / 1000);
    case Ending::Cancelled:
        return QStringLiteral("Cancelled");
    case Ending::NoData:
        return QStringLiteral("Ended without data");
    case Ending::LineLost:
        return QStringLiteral("Line lost");
    case Ending::PortNotOpened:
        return QStringLiteral("Port not opened");
    case Ending::NotReady:
        return QStringLiteral("Working file not written");
    case Ending::EarlierTransfer:
        return QStringLiteral("Earlier transfer cancelled");
    case Ending::BlockLost:
        return QStringLiteral("Block lost, picture not kept");
    case Ending::AlreadyRunning:
        break;
    }
    return {};
}
