#pragma once

// Every way a download ends. What each means for the user, the log, the working file and
// orvisnap-capture's exit status is one row of EndingTable.
enum class DownloadEnding {
    Complete,            // EOT after data: the file came whole
    NotAPicture,         // complete, but the data is no picture
    Cancelled,           // the user, a close or a signal stopped it
    TimedOut,            // no block within the start time-out
    LineLost,            // the port went away (adapter unplugged, line closed)
    PortNotOpened,       // the port could not be opened
    NotReady,            // the working file could not be written before the request
    EarlierTransfer,     // the instrument was still sending an earlier picture
    BlockLost,           // a block never came: the picture would be incomplete
    InstrumentCancelled, // the instrument gave the transfer up (two CANs)
    InstrumentSilent     // the instrument stopped sending in the middle of the file
};
