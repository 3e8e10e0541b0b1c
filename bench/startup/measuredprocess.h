#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started for one measurement, read through /proc while it runs: the processor time
// and the context switches of all its threads. Killed and reaped if still running at the end.
class MeasuredProcess {
public:
    using Clock = std::chrono::steady_clock;

    // `command`: the program and its arguments; started in `folder`.
    MeasuredProcess(const std::vector<std::string>& command, const std::string& folder);
    ~MeasuredProcess();
    MeasuredProcess(const MeasuredProcess&) = delete;
    MeasuredProcess& operator=(const MeasuredProcess&) = delete;

    [[nodiscard]] bool started() const { return pid_ > 0; }
    [[nodiscard]] pid_t pid() const { return pid_; }
    [[nodiscard]] Clock::time_point startedAt() const { return startedAt_; }

    // Processor time of its living threads so far, in milliseconds.
    [[nodiscard]] double cpuMs() const;
    // Context switches of each living thread so far, by thread id: each wake-up from a wait
    // is one.
    using Switches = std::map<std::string, std::int64_t>;
    [[nodiscard]] Switches switches() const;
    // The switches from `before` to `after`, of threads that lived at either reading.
    [[nodiscard]] static std::int64_t between(const Switches& before, const Switches& after);

    // Sends `signal` (0: none) and waits for the end, at most `limit`; the milliseconds from
    // the signal to the end, or a negative number when it did not end in time.
    [[nodiscard]] double endAfter(int signal, std::chrono::milliseconds limit);

private:
    // The /proc folders of its threads, by thread id.
    [[nodiscard]] std::map<std::string, std::string> taskFolders() const;
    void reap();

    pid_t pid_ = -1;
    int pidfd_ = -1; // readable when the process has ended
    Clock::time_point startedAt_;
};
