#pragma once

#include <cstdint>

// Makes every write past `bytes` fail the way a full disk does, even for root; undone when it
// goes out of scope. Where the system has no such limit, `active()` is false.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uint64_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    [[nodiscard]] bool active() const { return active_; }

private:
    bool active_ = false;
    std::uint64_t oldLimit_ = 0;
    void (*oldHandler_)(int) = nullptr;
};
