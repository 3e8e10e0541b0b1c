#include "unprivilegeduser.h"

#include <grp.h>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;
} // namespace

UnprivilegedUser::UnprivilegedUser() : wasRoot_(::geteuid() == 0)
{
    if (!wasRoot_)
        return;
    groups_.resize(static_cast<std::size_t>(::getgroups(0, nullptr)));
    groups_.resize(
        static_cast<std::size_t>(::getgroups(static_cast<int>(groups_.size()), groups_.data())));
    // Groups first: once the user id is given up, they can no longer be changed.
    ok_ = ::setgroups(0, nullptr) == 0 && ::setresgid(NoGroup, NoGroup, 0) == 0 &&
          ::setresuid(Nobody, Nobody, 0) == 0;
}

UnprivilegedUser::~UnprivilegedUser()
{
    if (!wasRoot_)
        return;
    // Tests cannot go on as another user: failing to come back is fatal.
    if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0 ||
        ::setgroups(groups_.size(), groups_.data()) != 0)
        ::_exit(70);
}
