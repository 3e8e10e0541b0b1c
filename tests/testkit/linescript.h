#pragma once

#include "downloadclock.h"
#include "downloadport.h"
#include "serialline.h"

#include <QByteArrayList>
#include <QList>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

// A serial line that a test writes, and the clock of the download on it: bytes arrive at chosen
// milliseconds, writes are kept with the time they were made, and the download's waits move a
// synthetic clock on instead of taking time, so the driver's endings run in an instant and come
// out the same on every run. A download runs on port() and on the script as its clock.
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

    [[nodiscard]] std::int64_t nowMs() const override { return nowMs_; }
    void delay(std::int64_t milliseconds) override;
    [[nodiscard]] const QList<Write>& writes() const { return writes_; }
    [[nodiscard]] QByteArray written() const;
    [[nodiscard]] int opens() const { return opens_; }

private:
    friend class ScriptedLine;
    friend class ScriptedPort;

    [[nodiscard]] SerialLine::Opened open();
    void write(const QByteArray& bytes);
    [[nodiscard]] QByteArray take();
    [[nodiscard]] bool hasArrived() const;
    [[nodiscard]] bool lost() const { return lostAtMs_ >= 0 && nowMs_ >= lostAtMs_; }
    // Moves the clock to `untilMs`, running the actions that come due on the way.
    void advance(std::int64_t untilMs);
    void waitForData(std::int64_t maxMs);

    std::int64_t nowMs_ = 0;
    std::multimap<std::int64_t, QByteArray> arrivals_;
    std::multimap<std::int64_t, std::function<void()>> actions_;
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
