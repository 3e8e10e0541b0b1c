#include "terminationsignals.h"

#include <csignal>

namespace {
// The one global the signal mechanism needs: all a handler may safely do is set a flag of
// this type.
volatile std::sig_atomic_t requestedBySignal = 0;

extern "C" void onTerminationSignal(int signal)
{
    requestedBySignal = 1;
    std::signal(signal, SIG_DFL);
}
} // namespace

void TerminationSignals::install()
{
    std::signal(SIGINT, onTerminationSignal);
    std::signal(SIGTERM, onTerminationSignal);
}

bool TerminationSignals::requested()
{
    return requestedBySignal != 0;
}
