#include "symlinkguard.h"

#include <cerrno>
#include <stdexcept>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {
[[nodiscard]] std::string readLink(const std::string& path)
{
    std::vector<char> buffer(4096);
    const auto n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : std::string();
}
} // namespace

SymlinkGuard::SymlinkGuard(std::string linkPath, std::string target)
    : linkPath_(std::move(linkPath)), target_(std::move(target))
{
    struct stat st {};
    if (::lstat(linkPath_.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
        throw std::runtime_error(linkPath_ + " exists and is not a symlink");
    // Made under a temporary name and renamed, so the name never points nowhere.
    const std::string temporary = linkPath_ + ".tmp" + std::to_string(::getpid());
    ::unlink(temporary.c_str());
    if (::symlink(target_.c_str(), temporary.c_str()) != 0 ||
        ::rename(temporary.c_str(), linkPath_.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw std::runtime_error("cannot create the symlink " + linkPath_);
    }
}

SymlinkGuard::~SymlinkGuard()
{
    if (readLink(linkPath_) == target_)
        ::unlink(linkPath_.c_str());
}
