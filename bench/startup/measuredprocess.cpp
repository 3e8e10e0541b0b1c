#include "measuredprocess.h"

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

extern char** environ;

MeasuredProcess::MeasuredProcess(const std::vector<std::string>& command, const std::string& folder)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    startedAt_ = Clock::now();
    if (::posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    ::posix_spawn_file_actions_destroy(&actions);
    if (pid_ > 0)
        pidfd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
}

MeasuredProcess::~MeasuredProcess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        reap();
    }
    if (pidfd_ >= 0)
        ::close(pidfd_);
}

void MeasuredProcess::reap()
{
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::map<std::string, std::string> MeasuredProcess::taskFolders() const
{
    std::map<std::string, std::string> folders;
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task/";
    if (DIR* dir = ::opendir(tasks.c_str())) {
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_name[0] != '.')
                folders[entry->d_name] = tasks + entry->d_name + "/";
        ::closedir(dir);
    }
    return folders;
}

double MeasuredProcess::cpuMs() const
{
    std::int64_t nanoseconds = 0;
    for (const auto& [id, task] : taskFolders()) {
        std::ifstream schedstat(task + "schedstat"); // time on the processor, in ns, first
        std::int64_t onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    return static_cast<double>(nanoseconds) / 1e6;
}

MeasuredProcess::Switches MeasuredProcess::switches() const
{
    Switches counts;
    for (const auto& [id, task] : taskFolders()) {
        std::ifstream status(task + "status");
        std::string line;
        while (std::getline(status, line))
            if (line.find("ctxt_switches:") != std::string::npos)
                counts[id] += std::stoll(line.substr(line.find(':') + 1));
    }
    return counts;
}

std::int64_t MeasuredProcess::between(const Switches& before, const Switches& after)
{
    // A thread that ended in between took its count along; one that began, began at 0.
    std::int64_t count = 0;
    for (const auto& [id, then] : before)
        if (const auto now = after.find(id); now != after.end())
            count += now->second - then;
    for (const auto& [id, now] : after)
        if (!before.count(id))
            count += now;
    return count;
}

double MeasuredProcess::endAfter(int signal, std::chrono::milliseconds limit)
{
    if (pid_ <= 0)
        return -1.0;
    const auto from = Clock::now();
    if (signal != 0)
        ::kill(pid_, signal);
    pollfd ended{pidfd_, POLLIN, 0};
    if (pidfd_ < 0 || ::poll(&ended, 1, static_cast<int>(limit.count())) <= 0)
        return -1.0;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - from).count();
    reap();
    return ms;
}
