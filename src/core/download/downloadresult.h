#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// How one download ended, and what it brought.
struct DownloadResult {
    enum class Ending {
        Complete,       // EOT after at least one block: `data` holds the file
        Cancelled,      // stopped by the front end
        TimedOut,       // no block within the start time-out
        NoData,         // EOT before any block
        LineLost,       // the port went away (adapter unplugged, line closed)
        PortNotOpened,  // `reason` names the device and the system's reason
        NotReady,       // the front end was not ready to ask for the transfer: `reason` says why
        AlreadyRunning, // a download was running already; nothing was done
        // Cancelled with the instrument, no picture kept:
        EarlierTransfer, // the instrument was still sending an earlier picture
        BlockLost        // a block never came: the picture would be incomplete
    };

    Ending ending = Ending::Cancelled;
    QByteArray data;            // the kept blocks' data, padding included
    QString reason;             // why the port did not open, or why the front end was not ready
    int blocks = 0;             // blocks kept
    int naks = 0;               // NAKs sent after the opening request
    std::int64_t elapsedMs = 0; // from the request to the end

    [[nodiscard]] bool complete() const { return ending == Ending::Complete; }
};
