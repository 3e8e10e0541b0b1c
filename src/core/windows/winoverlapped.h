#pragma once

#include "winhandle.h"

#include <QByteArray>

// One overlapped operation's record with its own event, and for a write the bytes it sends:
// both must stay where they are until the system has completed the operation.
struct WinOverlapped {
    WinOverlapped() { record.hEvent = event.get(); }
    WinOverlapped(const WinOverlapped&) = delete;
    WinOverlapped& operator=(const WinOverlapped&) = delete;

    [[nodiscard]] bool completed() const { return HasOverlappedIoCompleted(&record); }

    WinHandle event = WinHandle::event();
    OVERLAPPED record{};
    QByteArray bytes;
};
