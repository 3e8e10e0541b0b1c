#pragma once

#include <sys/types.h>

#include <vector>

// Runs the scope as user and group "nobody" when the tests run as root, who may write anywhere,
// so that read-only files, folders and devices refuse as they do for the program's users. Root
// stays the saved user and comes back at the end. Without root it changes nothing.
class UnprivilegedUser {
public:
    UnprivilegedUser();
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

    [[nodiscard]] bool ok() const { return ok_; } // false: root may not change its ids here

private:
    bool wasRoot_ = false;
    bool ok_ = true;
    std::vector<gid_t> groups_;
};
