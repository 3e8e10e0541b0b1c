#pragma once

#include "downloadtimings.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the window stored that the tool starts from: the port and the three timings, read by the
// window's rules (StoredSettings). The tool never writes the file.
struct CaptureSettings {
    std::optional<std::int32_t> port; // nothing: the first port found
    DownloadTimings timings;

    [[nodiscard]] static CaptureSettings read(const QString& iniPath);
    // Where the window keeps its settings.
    [[nodiscard]] static QString filePath();
};
