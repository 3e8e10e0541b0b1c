#pragma once

#include "downloadport.h"
#include "outcome.h"

#include <QString>

#include <memory>

// A serial device opened by its path, the download's line settings applied: the window opens
// the chosen port's device, orvisnap-capture the one it was given.
class DevicePort final : public DownloadPort {
public:
    // `makeLine` makes the line it opens (the system's when not given).
    explicit DevicePort(QString device, SerialLineFactory makeLine = {});
    // A port whose device is not known: every open fails with `why`.
    [[nodiscard]] static std::unique_ptr<DevicePort> unknown(const QString& why);

    [[nodiscard]] Outcome open() override;
    [[nodiscard]] std::shared_ptr<SerialLine> line() const override { return line_; }
    void close() override;

    [[nodiscard]] const QString& device() const { return device_; }

private:
    QString device_;
    QString unknownWhy_;
    SerialLineFactory makeLine_;
    std::shared_ptr<SerialLine> line_;
};
