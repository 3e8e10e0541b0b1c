#pragma once

#include <sys/types.h>

#include <vector>

// Runs the scope as an ordinary user when the tests run as root, who may write anywhere, so that
// read-only files, folders and devices refuse as they do for the program's users. Root stays
// the saved user id and comes back at the end of the scope. Without root it changes nothing.
class UnprivilegedUser {
public:
    UnprivilegedUser();
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

    // False when root could not change its ids (a container without that capability).
    [[nodiscard]] bool ok() const { return ok_; }

private:
    bool wasRoot_ = false;
    bool ok_ = true;
    std::vector<gid_t> groups_;
};
