#include "downloadclock.h"

#include "delays.h"

#include <chrono>

std::int64_t SystemClock::nowMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::delay(std::int64_t milliseconds)
{
    DelayWithMessages(milliseconds);
}
