#pragma once

#include "serialline.h"

#include <QString>

// Holds a serial device open while Qt opens it, for what Qt's open does not give: why a device
// is refused, from open(2)'s own errno (Qt reports a missing permission, a held lock and an
// exclusive holder all as one "permission error").
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

private:
    Refusal refusal_ = Refusal::None;
    QString words_;
    int fd_ = -1;
};
