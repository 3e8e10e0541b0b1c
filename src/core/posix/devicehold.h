#pragma once

#include "serialline.h"

#include <QString>

#include <termios.h>

// Holds a serial device open while Qt opens it, for two things Qt's open does not give: why a
// device is refused, from open(2)'s own errno (Qt reports a missing permission, a held lock and
// an exclusive holder all as one "permission error"), and the device's flow-control settings,
// which Qt's open switches off.
class DeviceHold {
public:
    using Refusal = SerialLine::Refusal;

    explicit DeviceHold(const QString& path);
    ~DeviceHold();
    DeviceHold(const DeviceHold&) = delete;
    DeviceHold& operator=(const DeviceHold&) = delete;

    [[nodiscard]] Refusal refusal() const { return refusal_; }
    // The system's words for the refusal.
    [[nodiscard]] QString systemWords() const { return words_; }

    // Puts the hardware flow control (RTS/CTS) and this side's XON/XOFF requests (IXOFF) found
    // at the first open back on the line behind `fd`. Obeying received XON/XOFF (IXON) stays
    // off: it takes bytes 0x11 and 0x13 out of the data, which a binary transfer cannot spare,
    // and the raw 8-bit mode turns it off for that reason.
    void restoreFlowControl(qintptr fd) const;

private:
    Refusal refusal_ = Refusal::None;
    QString words_;
    int fd_ = -1;
    bool haveSettings_ = false;
    termios settings_{};
};
