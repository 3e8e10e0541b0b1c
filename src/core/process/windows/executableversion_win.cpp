#include "executableversion.h"

#include <windows.h>

#include <vector>

std::optional<ExecutableVersion> ExecutableVersion::ofRecord()
{
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::nullopt;
        if (length < path.size())
            break;
        path.resize(path.size() * 2);
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.data(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<unsigned char> record(size); // released on every way out
    if (!GetFileVersionInfoW(path.data(), 0, size, record.data()))
        return std::nullopt;
    void* fixed = nullptr;
    UINT fixedSize = 0;
    if (!VerQueryValueW(record.data(), L"\\", &fixed, &fixedSize) ||
        fixedSize < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    return ExecutableVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                             HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}
