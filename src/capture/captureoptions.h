#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The port as given on the command line: a COM number, or a device path used as it is.
struct PortArgument {
    std::int32_t number = 0; // 1 to 30 when no path is given; on Windows any COMn
    QString path;

    [[nodiscard]] bool isPath() const { return !path.isEmpty(); }
};

// What the command line asks for. Values left out are taken from the settings file later.
struct CaptureOptions {
    static constexpr QLatin1StringView StandardOutput{"-"};

    std::optional<PortArgument> port;
    QString output; // empty: a time-stamped name in the current folder
    int count = 1;  // 0: until interrupted
    std::optional<std::int32_t> timeoutSeconds;
    std::optional<std::int32_t> rxDelayMs;
    std::optional<std::int32_t> nakDelayMs;
    QString logFile; // empty: no log
    bool printable = false;
    bool quiet = false;
    bool help = false;
    bool version = false;
    bool listPorts = false;
};
