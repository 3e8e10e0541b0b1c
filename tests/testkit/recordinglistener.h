#pragma once

#include "downloadlistener.h"

#include <QList>

#include <optional>

// A front end for the download driver in tests: settable timings and logging, and a record of
// everything the driver reports, its ending last.
class RecordingListener : public DownloadListener {
public:
    DownloadTimings timingsNow;
    bool loggingOn = false;
    Outcome ready; // what readyToRequest() answers

    QStringList lines;
    QList<std::int64_t> countdowns;
    int blocksArrived = 0;
    std::int64_t received = 0;
    std::int64_t expected = -1;
    std::optional<DownloadResult> result;
    int endings = 0;

    [[nodiscard]] DownloadTimings timings() const override { return timingsNow; }
    [[nodiscard]] bool logging() const override { return loggingOn; }
    void log(const QStringList& group) override { lines += group; }
    [[nodiscard]] Outcome readyToRequest() override { return ready; }
    void countdown(std::int64_t secondsLeft) override { countdowns << secondsLeft; }
    void blockArrived() override { ++blocksArrived; }
    void progress(std::int64_t bytes, std::int64_t size) override
    {
        received = bytes;
        expected = size;
    }
    void finished(const DownloadResult& ended) override
    {
        result = ended;
        ++endings;
    }
};
