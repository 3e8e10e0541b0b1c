#include "unprivilegeduser.h"

#include <algorithm>
#include <grp.h>
#include <unistd.h>

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;

UnprivilegedUser::UnprivilegedUser() : wasRoot_(::geteuid() == 0)
{
    if (!wasRoot_)
        return;
    groups_.resize(64);
    groups_.resize(static_cast<std::size_t>(std::max(0, ::getgroups(64, groups_.data()))));
    // Groups first: without root they can no longer be changed.
    ok_ = ::setgroups(0, nullptr) == 0 && ::setresgid(NoGroup, NoGroup, 0) == 0 &&
          ::setresuid(Nobody, Nobody, 0) == 0;
}

UnprivilegedUser::~UnprivilegedUser()
{
    // The tests cannot go on as another user.
    if (wasRoot_ && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0 ||
                     ::setgroups(groups_.size(), groups_.data()) != 0))
        ::_exit(70);
}
