#pragma once

#include "downloadport.h"

// The window's port: COM`ComPortNumber` of the serial unit, opened and closed through the unit,
// so that ComPortOpen and the status bar follow the download.
class UnitPort final : public DownloadPort {
public:
    [[nodiscard]] Outcome open() override;
    [[nodiscard]] std::shared_ptr<SerialLine> line() const override;
    void close() override;
};
