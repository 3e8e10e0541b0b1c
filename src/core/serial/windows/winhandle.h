#pragma once

#include <windows.h>

#include <utility>

// Owns one kernel handle (a port or an event) and closes it when it goes.
class WinHandle {
public:
    WinHandle() = default;
    explicit WinHandle(HANDLE handle) : handle_(handle) {}
    ~WinHandle() { reset(); }
    WinHandle(WinHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    WinHandle& operator=(WinHandle&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    WinHandle(const WinHandle&) = delete;
    WinHandle& operator=(const WinHandle&) = delete;

    [[nodiscard]] HANDLE get() const { return handle_; }
    [[nodiscard]] bool valid() const
    {
        return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE;
    }
    void reset()
    {
        if (valid())
            CloseHandle(handle_);
        handle_ = nullptr;
    }

    // A manual-reset event, not signalled: each overlapped operation gets its own, so that its
    // completion can be waited for apart from the others on the same port.
    [[nodiscard]] static WinHandle event()
    {
        return WinHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    }

private:
    HANDLE handle_ = nullptr;
};
