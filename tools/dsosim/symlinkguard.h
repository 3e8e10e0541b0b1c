#pragma once

#include <string>

// A stable name for the pseudo-terminal's slave (the kernel picks a new /dev/pts number every
// run). An old symlink is replaced; anything else at that path is left alone and refused.
// The link is removed on destruction if it still points where we made it point.
class SymlinkGuard {
public:
    SymlinkGuard(std::string linkPath, std::string target); // throws std::runtime_error
    ~SymlinkGuard();
    SymlinkGuard(const SymlinkGuard&) = delete;
    SymlinkGuard& operator=(const SymlinkGuard&) = delete;

private:
    std::string linkPath_;
    std::string target_;
};
