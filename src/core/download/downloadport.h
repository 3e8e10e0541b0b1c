#pragma once

#include "outcome.h"
#include "serialline.h"

#include <memory>

// The line settings of every download, whatever the user's port settings say; the status bar
// shows the same.
inline constexpr LineSettings DownloadLineSettings{38400, 8, LineSettings::Parity::None,
                                                   LineSettings::StopBits::One};

// The port a download runs on: opened with DownloadLineSettings when the download asks for it,
// closed when it ends. The window's and orvisnap-capture's is a device (DevicePort), a test's a
// scripted line.
class DownloadPort {
public:
    DownloadPort() = default;
    virtual ~DownloadPort() = default;
    DownloadPort(const DownloadPort&) = delete;
    DownloadPort& operator=(const DownloadPort&) = delete;

    // Opens and configures the line. A failure names the device and says why.
    [[nodiscard]] virtual Outcome open() = 0;
    // The open line, or none. Shared, so that a line closed under a running download (the
    // window closes inside one of its waits) is released but never freed under the download.
    [[nodiscard]] virtual std::shared_ptr<SerialLine> line() const = 0;
    virtual void close() = 0;
};
