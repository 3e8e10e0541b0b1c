#pragma once

#include "winhandle.h"

#include <QByteArray>

#include <memory>

// One overlapped operation's record with its own event, and the bytes it reads into or sends (or
// the events a comm-event wait reports): all must stay where they are until the system has
// completed the operation.
struct WinOverlapped {
    WinOverlapped() { record.hEvent = event.get(); }
    WinOverlapped(const WinOverlapped&) = delete;
    WinOverlapped& operator=(const WinOverlapped&) = delete;

    [[nodiscard]] bool completed() const { return HasOverlappedIoCompleted(&record); }
    // Waits up to `ms` for the system to complete the operation; whether it has.
    [[nodiscard]] bool awaitCompletion(DWORD ms) const
    {
        return completed() || WaitForSingleObject(event.get(), ms) == WAIT_OBJECT_0;
    }

    // A driver may complete an operation late, or never, and write into its record and bytes
    // whenever it does: a record it has not completed is kept for the rest of the run rather
    // than freed or waited for.
    static void letGo(std::unique_ptr<WinOverlapped> pending)
    {
        if (pending && !pending->completed())
            static_cast<void>(pending.release());
    }

    WinHandle event = WinHandle::event();
    OVERLAPPED record{};
    QByteArray bytes;
    DWORD events = 0;
};
