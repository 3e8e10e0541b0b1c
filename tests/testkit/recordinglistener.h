#pragma once

#include "downloadlistener.h"

#include <QElapsedTimer>
#include <QList>

// A front end for the download driver in tests: settable timings and logging, records what the
// driver reports, and stops the download on request or after a generous bound against hangs.
class RecordingListener : public DownloadListener {
public:
    explicit RecordingListener(qint64 limitMs = 120000) : limitMs_(limitMs) { clock_.start(); }

    DownloadTimings timingsNow;
    bool loggingOn = false;
    bool stop = false;
    Outcome ready; // what readyToRequest() answers

    QStringList lines;
    QList<std::int64_t> countdowns;
    int blocksArrived = 0;
    std::int64_t received = 0;
    std::int64_t expected = -1;
    bool expired = false;

    [[nodiscard]] bool hitLimit() const { return clock_.elapsed() >= limitMs_; }

    [[nodiscard]] DownloadTimings timings() const override { return timingsNow; }
    [[nodiscard]] bool logging() const override { return loggingOn; }
    [[nodiscard]] bool stopRequested() override { return stop || hitLimit(); }
    void log(const QStringList& group) override { lines += group; }
    [[nodiscard]] Outcome readyToRequest() override { return ready; }
    void countdown(std::int64_t secondsLeft) override { countdowns << secondsLeft; }
    void startTimeoutExpired() override { expired = true; }
    void blockArrived() override { ++blocksArrived; }
    void progress(std::int64_t bytes, std::int64_t size) override
    {
        received = bytes;
        expected = size;
    }

private:
    qint64 limitMs_;
    QElapsedTimer clock_;
};
