// Termination signals on Linux and macOS: the handler sets a flag and writes a byte into a pipe
// (the self-pipe), whose reading end a QSocketNotifier watches.
#include "terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
// All a handler may safely do is set a flag of this type and write(2): the flag and the two
// ends of the pipe are the mechanism's own globals, set up before the handler is.
volatile std::sig_atomic_t requestedBySignal = 0;
int wakeRead = -1;
int wakeWrite = -1;

constexpr int Caught[] = {SIGINT, SIGTERM};

extern "C" void onTerminationSignal(int /*signal*/)
{
    const int savedErrno = errno;
    // Once, for both kinds: a second signal, whichever, finds the default action and ends the
    // program at once (signal(2) may be called here; both are blocked while this runs).
    for (const int number : Caught)
        ::signal(number, SIG_DFL);
    requestedBySignal = 1;
    const char byte = 1;
    // A full pipe already holds a wake-up; the descriptor does not block.
    [[maybe_unused]] const ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = savedErrno;
}

bool makeSelfPipe()
{
    if (wakeRead >= 0)
        return true;
    int ends[2];
    if (::pipe(ends) != 0)
        return false;
    for (const int end : ends) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC); // not inherited by the programs we start
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    wakeRead = ends[0];
    wakeWrite = ends[1];
    return true;
}
} // namespace

void TerminationSignals::install()
{
    if (!makeSelfPipe())
        return; // left as the system has it: the signal ends the program
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (const int number : Caught)
        sigaddset(&action.sa_mask, number);
    action.sa_flags = SA_RESTART;
    for (const int number : Caught)
        ::sigaction(number, &action, nullptr);
}

bool TerminationSignals::requested()
{
    return requestedBySignal != 0;
}

void TerminationSignals::onRequest(QObject* context, std::function<void()> handler)
{
    install();
    if (wakeRead < 0)
        return;
    auto* notifier = new QSocketNotifier(wakeRead, QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [notifier, handler = std::move(handler)] {
                         // The byte stays: a notifier of another context sees it too.
                         notifier->setEnabled(false);
                         handler();
                     });
}
