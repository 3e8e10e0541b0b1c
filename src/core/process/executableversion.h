#pragma once

#include <cstdint>
#include <optional>

// The program's file version: on Windows the version record stamped into the executable, which
// Explorer shows too; elsewhere, or when the record cannot be read, the version built in.
struct ExecutableVersion {
    std::uint16_t majorVersion = 0;
    std::uint16_t minorVersion = 0;
    std::uint16_t release = 0;
    std::uint16_t build = 0;

    [[nodiscard]] static ExecutableVersion current();
    [[nodiscard]] static ExecutableVersion builtIn();
    // The running executable's record, where the platform has one.
    [[nodiscard]] static std::optional<ExecutableVersion> ofRecord();
};
