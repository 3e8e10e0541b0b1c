#pragma once

#include "serialline.h"

#include <QString>

#include <cstdint>
#include <optional>

// The decisions of the Windows serial line, apart from the calls that feed them, so that they
// can be checked on any system. Numbers are those of the Windows headers.
namespace WinCommRules {
// ClearCommError's error word: exactly one of the eleven line-error flags defers the read (the
// bytes stay queued for the next); no flag, or several, let the read go on.
[[nodiscard]] bool defersRead(std::uint32_t errorWord);
// Why CreateFileW refused a port, from GetLastError().
[[nodiscard]] SerialLine::Refusal refusalOf(std::uint32_t lastError);
// A failure with this error means that the device has gone (adapter pulled, driver unloaded);
// other failures count only when they repeat.
[[nodiscard]] bool meansDeviceGone(std::uint32_t lastError);
// "\\.\COMn": the form that opens every port, also those above COM9.
[[nodiscard]] QString devicePath(std::int32_t port);
// The n of "COMn" or "\\.\COMn" (letters in any case, n from 1 on), else nothing.
[[nodiscard]] std::optional<std::int32_t> portNumberOfName(const QString& name);
} // namespace WinCommRules
