#include "endingtable.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {
using Ending = DownloadEnding;
using Leaves = EndingTable::Leaves;
constexpr const char* None = nullptr;

// clang-format off
constexpr std::array Rows{
    EndingTable::Row{Ending::Complete, "XModem transfer complete",
        //: The status bar after a download; %1 is the picture's size in whole kilobytes
        QT_TRANSLATE_NOOP("EndingMessages", "Received %1 KB"),
        None, false, ExitStatus::Saved, Leaves::Received, false},
    EndingTable::Row{Ending::NotAPicture, "XModem transfer complete",
        QT_TRANSLATE_NOOP("EndingMessages", "Received, but not a picture"),
        QT_TRANSLATE_NOOP("EndingMessages", "The received file is not a valid BMP picture."),
        true, ExitStatus::NoPicture, Leaves::ReceivedBytes, false},
    EndingTable::Row{Ending::Cancelled, None,
        QT_TRANSLATE_NOOP("EndingMessages", "Cancelled"),
        None, false, ExitStatus::Interrupted, Leaves::AsBefore, true},
    EndingTable::Row{Ending::TimedOut, "Timeout.",
        //: %1: whole seconds waited
        QT_TRANSLATE_NOOP("EndingMessages", "No transfer within %1 s"),
        //: %1: the serial device, %2: the start time-out in seconds
        QT_TRANSLATE_NOOP("EndingMessages", "No transfer from %1 within %2 s."),
        false, ExitStatus::TimedOut, Leaves::AsBefore, true},
    EndingTable::Row{Ending::LineLost, "The COM port was lost.",
        QT_TRANSLATE_NOOP("EndingMessages", "Line lost"),
        //: %1: the serial port or device, e.g. COM3 or /dev/ttyUSB0
        QT_TRANSLATE_NOOP("EndingMessages", "The connection to %1 was lost."),
        true, ExitStatus::LineLost, Leaves::AsBefore, false},
    EndingTable::Row{Ending::PortNotOpened, None,
        QT_TRANSLATE_NOOP("EndingMessages", "Port not opened"),
        QT_TRANSLATE_NOOP("EndingMessages", "Error while opening COM port."),
        true, ExitStatus::PortNotOpened, Leaves::AsBefore, false},
    EndingTable::Row{Ending::NotReady, None,
        QT_TRANSLATE_NOOP("EndingMessages", "Working file not written"),
        QT_TRANSLATE_NOOP("EndingMessages", "The working file could not be written."),
        true, ExitStatus::NotWritten, Leaves::AsBefore, false},
    EndingTable::Row{Ending::EarlierTransfer, "Block %1 came first: an earlier transfer is still running",
        QT_TRANSLATE_NOOP("EndingMessages", "Earlier transfer cancelled"),
        QT_TRANSLATE_NOOP("EndingMessages",
                          "The instrument was still sending an earlier picture. Start the "
                          "transfer on the instrument again."),
        true, ExitStatus::EarlierTransfer, Leaves::AsBefore, true},
    EndingTable::Row{Ending::BlockLost, "Block %1 came instead of block %2: a block was lost",
        QT_TRANSLATE_NOOP("EndingMessages", "Block lost, picture not kept"),
        QT_TRANSLATE_NOOP("EndingMessages",
                          "A block was lost on the line: the picture is incomplete. Start the "
                          "transfer on the instrument again."),
        true, ExitStatus::BlockLost, Leaves::AsBefore, true},
    EndingTable::Row{Ending::InstrumentCancelled, "CAN CAN: the instrument cancelled the transfer",
        QT_TRANSLATE_NOOP("EndingMessages", "Cancelled by the instrument"),
        QT_TRANSLATE_NOOP("EndingMessages", "The instrument cancelled the transfer."),
        true, ExitStatus::InstrumentCancelled, Leaves::AsBefore, false},
    EndingTable::Row{Ending::InstrumentSilent, "No data for %1 s: the instrument stopped sending",
        QT_TRANSLATE_NOOP("EndingMessages", "Instrument stopped sending"),
        QT_TRANSLATE_NOOP("EndingMessages",
                          "The instrument stopped sending: the picture is incomplete. Start the "
                          "transfer on the instrument again."),
        true, ExitStatus::InstrumentSilent, Leaves::AsBefore, true},
};
// clang-format on

QString translated(const char* text)
{
    return QCoreApplication::translate("EndingMessages", text);
}
} // namespace

std::span<const EndingTable::Row> EndingTable::rows()
{
    return Rows;
}

const EndingTable::Row& EndingTable::row(DownloadEnding ending)
{
    // Every ending has its row: the table's test holds it to that.
    return *std::find_if(Rows.begin(), Rows.end(),
                         [ending](const Row& row) { return row.ending == ending; });
}

QString EndingTable::status(DownloadEnding ending, std::int64_t number)
{
    const QString text = translated(row(ending).status);
    return text.contains(QLatin1String("%1")) ? text.arg(number) : text;
}

QString EndingTable::sentence(DownloadEnding ending, const QString& device,
                              std::int32_t timeoutSeconds)
{
    const char* source = row(ending).sentence;
    if (source == nullptr)
        return {};
    QString text = translated(source);
    if (text.contains(QLatin1String("%2")))
        return text.arg(device).arg(timeoutSeconds);
    return text.contains(QLatin1String("%1")) ? text.arg(device) : text;
}
