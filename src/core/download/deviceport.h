#pragma once

#include "downloadport.h"

#include <QString>

// A device of its own, opened by its path: orvisnap-capture's port, which needs no place in the
// serial unit's list.
class DevicePort final : public DownloadPort {
public:
    explicit DevicePort(QString device) : device_(std::move(device)) {}

    [[nodiscard]] Outcome open() override;
    [[nodiscard]] std::shared_ptr<SerialLine> line() const override { return line_; }
    void close() override;

    [[nodiscard]] const QString& device() const { return device_; }

private:
    QString device_;
    std::shared_ptr<SerialLine> line_;
};
