#pragma once

#include "downloadending.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

// How one download ended, and what it brought.
struct DownloadResult {
    using Ending = DownloadEnding;

    Ending ending = Ending::Cancelled;
    QByteArray data;            // Complete: the kept blocks' data, padding included
    QString reason;             // why the port did not open, or why the front end was not ready
    int blocks = 0;             // blocks kept
    int naks = 0;               // NAKs sent after the opening request
    std::int64_t elapsedMs = 0; // from the request to the end

    [[nodiscard]] bool complete() const { return ending == Ending::Complete; }
};
