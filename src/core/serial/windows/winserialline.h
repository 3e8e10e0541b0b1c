#pragma once

#include "serialline.h"
#include "winhandle.h"
#include "winoverlapped.h"

#include <QElapsedTimer>
#include <QWinEventNotifier>

#include <functional>
#include <list>
#include <memory>
#include <optional>

// A serial line through the Windows communications interface: an exclusive overlapped handle set
// to the line the COM settings dialog shows, writes that never wait, reads of what the queue
// holds that never wait either (a read the driver does not complete at once is collected when
// it has), and a comm event that tells the event loop when bytes arrive. Only a close waits, for
// a bounded time, for the last writes to go out.
class WinSerialLine final : public SerialLine {
public:
    WinSerialLine() = default;
    ~WinSerialLine() override { close(); }

    [[nodiscard]] Opened open(const QString& device) override;
    [[nodiscard]] bool configure(const LineSettings& settings) override;
    [[nodiscard]] QString errorString() const override;
    void close() override;

    void resetDevice() override;
    void write(const QByteArray& bytes) override;
    [[nodiscard]] QByteArray readAvailable() override;
    void onReadyRead(std::function<void()> handler) override;
    [[nodiscard]] bool lost() const override { return lost_; }

    // The system's words for an error code.
    [[nodiscard]] static QString systemMessage(DWORD error);

private:
    [[nodiscard]] bool failed();
    // The bytes waiting, gathering the error word for the next read; nothing when the line
    // does not answer.
    [[nodiscard]] std::optional<DWORD> queueStatus();
    void watchRead();
    void startRead(DWORD count);
    void abandonReadAfterItsBound();
    [[nodiscard]] QByteArray collectRead();
    void armCommEvent();
    void collectCommEvent();
    void tellReadyRead();
    void commEventFailed();
    void reapWrites();
    void endRequests();
    void noteFailure(DWORD error);
    void noteSuccess() { failures_ = 0; }

    WinHandle port_;
    std::list<std::unique_ptr<WinOverlapped>> writes_; // still in flight
    std::unique_ptr<WinOverlapped> read_;
    bool readPending_ = false; // a read not collected yet
    QElapsedTimer readStarted_;
    std::unique_ptr<WinOverlapped> commEvent_;
    static constexpr DWORD WakeMask = EV_RXCHAR | EV_ERR;
    DWORD commMask_ = 0; // the events waited for; none: plain waits

    bool commPending_ = false;
    // Deleted later: a close may come from within a notifier's own signal. Cut off at once,
    // so that nothing it still delivers reaches a closed, or gone, line.
    struct LaterDeleter {
        void operator()(QWinEventNotifier* notifier) const
        {
            notifier->setEnabled(false);
            notifier->disconnect();
            notifier->deleteLater();
        }
    };
    std::unique_ptr<QWinEventNotifier, LaterDeleter> notifier_;
    std::unique_ptr<QWinEventNotifier, LaterDeleter> readNotifier_;
    std::function<void()> readyRead_;
    DWORD errors_ = 0; // the error word gathered since the last read
    DWORD lastError_ = 0;
    int failures_ = 0;
    bool lost_ = false;
};
