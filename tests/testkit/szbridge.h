#pragma once

#include "ptypair.h"

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// lrzsz's `sz --xmodem` sending one file, reachable on a pty the way the instrument is. sz
// speaks XModem-CRC only when asked with 'C' and wants its EOT acknowledged; the instrument is
// asked with NAK and its EOT is never answered. The bridge makes up the difference: it turns
// requests into 'C' until sz answers (asking again every few seconds while sz starts up), and
// acknowledges sz's EOT itself. Everything else passes unchanged. A request is held back until sz
// says it is ready: one that comes while sz still starts up would be flushed, and asking again
// on a timer risks a second request meeting the first block.
class SzBridge {
public:
    SzBridge() = default;
    ~SzBridge();
    SzBridge(const SzBridge&) = delete;
    SzBridge& operator=(const SzBridge&) = delete;

    [[nodiscard]] static bool available();
    // Starts sz on `file`; false when the ptys or sz cannot be started.
    [[nodiscard]] bool start(const QString& file);
    // The device the receiver opens.
    [[nodiscard]] QString devicePath() const { return receiverSide_.slavePath(); }
    // Waits for sz to end; true when it ended by itself with exit code 0.
    [[nodiscard]] bool waitForSuccess(int ms);
    [[nodiscard]] QByteArray szErrors();

private:
    void relay();
    void takeErrors();

    PtyPair receiverSide_;
    PtyPair szSide_;
    QProcess sz_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    int errorsFd_ = -1; // sz's standard error, read by the relay: no event loop needed
    std::atomic<bool> szReady_{false};
    std::mutex errorsLock_;
    QByteArray szErrors_;
};
