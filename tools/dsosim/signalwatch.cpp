#include "signalwatch.h"

#include <csignal>
#include <stdexcept>

#include <fcntl.h>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t caughtSignal = 0;
int pipeFds[2] = {-1, -1};
struct sigaction previousInt {};
struct sigaction previousTerm {};
struct sigaction previousPipe {};

extern "C" void onSignal(int signo)
{
    caughtSignal = signo;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(pipeFds[1], &byte, 1);
}
} // namespace

SignalWatch::SignalWatch()
{
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("cannot create the signal pipe");
    caughtSignal = 0;
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &previousInt);
    ::sigaction(SIGTERM, &action, &previousTerm);
    // A reader of our stdout that went away must not kill us before the symlink is removed.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, &previousPipe);
}

SignalWatch::~SignalWatch()
{
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::sigaction(SIGPIPE, &previousPipe, nullptr);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

int SignalWatch::fd() const
{
    return pipeFds[0];
}

int SignalWatch::caught() const
{
    return caughtSignal;
}
