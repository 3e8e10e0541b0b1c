#include "serialline.h"

#include "delays.h"

#include <chrono>

std::int64_t SerialLine::systemClockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SerialLine::delay(std::int64_t milliseconds)
{
    DelayWithMessages(milliseconds);
}
