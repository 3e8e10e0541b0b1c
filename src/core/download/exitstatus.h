#pragma once

// How orvisnap-capture ends; scripts rely on these numbers. The endings of a download have
// theirs in the table of endings.
enum class ExitStatus : int {
    Saved = 0,      // every capture saved
    NotWritten = 1, // an output, raw or log file could not be written
    BadUsage = 2,
    PortNotOpened = 3,
    TimedOut = 4,  // no transfer within the start time-out
    NoPicture = 5, // the data is no picture (kept as FILE.raw)
    LineLost = 6,
    EarlierTransfer = 7,     // the instrument was still sending an earlier picture: cancelled
    BlockLost = 8,           // a block was lost on the line: cancelled, nothing saved
    InstrumentCancelled = 9, // the instrument gave the transfer up
    InstrumentSilent = 10,   // the instrument stopped sending: cancelled, nothing saved
    Interrupted = 130        // SIGINT or SIGTERM
};
