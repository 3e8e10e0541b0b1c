#pragma once

#include "downloadclock.h"
#include "downloadport.h"
#include "requestpolicy.h"
#include "serialline.h"

#include <QByteArrayList>
#include <QList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>

class RecordingListener;
class ScreenshotDownload;
struct DownloadResult;

// A serial line that a test writes, and the clock of the download on it: bytes arrive at chosen
// milliseconds, writes are kept with the time they were made, and time jumps from one event
// (a wake-up, arriving bytes, an action of the test) to the next, so the driver's endings run in
// an instant and come out the same on every run. A download runs on port() and on the script as
// its clock.
class LineScript final : public DownloadClock {
public:
    struct Write {
        std::int64_t atMs = 0;
        QByteArray bytes;
    };

    LineScript();
    ~LineScript() override;

    // `bytes` can be read from `atMs` on.
    void arrive(std::int64_t atMs, const QByteArray& bytes);
    // Runs `action` once the clock has reached `atMs` (a click on Cancel, say).
    void at(std::int64_t atMs, std::function<void()> action);
    // Plays the instrument message by message: the first `replyMs` after the request (two
    // NAKs), each further one `replyMs` after the receiver's answer to the one before.
    void playInstrument(const QByteArrayList& messages, std::int64_t replyMs = 40);
    void loseLineAt(std::int64_t atMs) { lostAtMs_ = atMs; }
    void refuseOpen(SerialLine::Refusal refusal, const QString& words);

    [[nodiscard]] DownloadPort& port() { return *port_; }

    // Starts a download on port() and runs the script until it has ended (or nothing is left
    // to happen, or ten minutes of its time have passed); its result.
    DownloadResult run(ScreenshotDownload& download, RecordingListener& listener,
                       RequestPolicy policy = {});
    // Runs the script until `done` holds, nothing is left to happen, or `limitMs` is reached.
    void runUntil(const std::function<bool()>& done, std::int64_t limitMs);

    [[nodiscard]] std::int64_t nowMs() const override { return nowMs_; }
    void wakeAt(std::int64_t atMs, std::function<void()> handler) override;
    void cancelWake() override;

    [[nodiscard]] const QList<Write>& writes() const { return writes_; }
    [[nodiscard]] QByteArray written() const;
    [[nodiscard]] int opens() const { return opens_; }

private:
    friend class ScriptedLine;
    friend class ScriptedPort;

    [[nodiscard]] SerialLine::Opened open();
    void write(const QByteArray& bytes);
    [[nodiscard]] QByteArray take();
    [[nodiscard]] bool lost() const { return lostAtMs_ >= 0 && nowMs_ >= lostAtMs_; }
    // Does what is due at the next time anything is; false when nothing is left.
    [[nodiscard]] bool step();

    std::int64_t nowMs_ = 0;
    std::multimap<std::int64_t, QByteArray> arrivals_;
    std::multiset<std::int64_t> announcements_; // when arriving bytes are told
    std::multimap<std::int64_t, std::function<void()>> actions_;
    std::int64_t wakeAtMs_ = -1;
    std::function<void()> wake_;
    std::function<void()> readyRead_; // the open line's
    QList<Write> writes_;
    QByteArrayList messages_;
    std::int64_t replyMs_ = 0;
    int messagesSent_ = 0;
    qsizetype bytesWritten_ = 0;
    std::int64_t lostAtMs_ = -1;
    SerialLine::Opened refusal_;
    int opens_ = 0;
    std::unique_ptr<DownloadPort> port_;
};
