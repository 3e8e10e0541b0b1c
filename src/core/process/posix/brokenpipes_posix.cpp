#include "brokenpipes.h"

#include <csignal>

void BrokenPipes::reportAsWriteErrors()
{
    // Ignored stays ignored in the programs this one starts: it starts none.
    std::signal(SIGPIPE, SIG_IGN);
}
