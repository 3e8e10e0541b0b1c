#include "scriptedinstrument.h"

#include <algorithm>
#include <utility>

#include <unistd.h>

ScriptedInstrument::ScriptedInstrument(QByteArrayList messages)
    : notifier_(pty_.masterFd(), QSocketNotifier::Read), messages_(std::move(messages))
{
    connect(&notifier_, &QSocketNotifier::activated, this, &ScriptedInstrument::takeInput);
}

void ScriptedInstrument::takeInput()
{
    char buffer[4096];
    for (ssize_t n; (n = ::read(pty_.masterFd(), buffer, sizeof buffer)) > 0;)
        received_.append(buffer, n);
    // One message for the request, then one for each answer.
    const qsizetype due = std::max<qsizetype>(0, received_.size() - RequestBytes + 1);
    while (sent_ < due && sent_ < messages_.size())
        pty_.write(messages_[sent_++]);
}
