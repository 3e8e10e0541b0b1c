// Termination on Windows: a console's Ctrl+C, taken by a console control handler, which runs on
// a thread of its own and signals an event that a QWinEventNotifier watches. A program without
// a console (the window) gets none; it is closed through its windows.
#include "terminationsignals.h"

#include <QWinEventNotifier>

#include <windows.h>

#include <atomic>

namespace {
// The handler's thread sets them; the event is made before the handler is installed.
std::atomic<bool> requestedByConsole{false};
HANDLE wakeEvent = nullptr; // manual reset: stays set for every watcher

BOOL WINAPI onConsoleControl(DWORD type)
{
    // A second Ctrl+C, and every other event, goes on to the default handler, which ends the
    // program at once.
    if (type != CTRL_C_EVENT || requestedByConsole.exchange(true))
        return FALSE;
    SetEvent(wakeEvent);
    return TRUE;
}
} // namespace

void TerminationSignals::install()
{
    if (!wakeEvent)
        wakeEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (wakeEvent)
        SetConsoleCtrlHandler(onConsoleControl, TRUE);
}

bool TerminationSignals::requested()
{
    return requestedByConsole;
}

void TerminationSignals::onRequest(QObject* context, std::function<void()> handler)
{
    install();
    if (!wakeEvent)
        return;
    auto* notifier = new QWinEventNotifier(wakeEvent, context);
    QObject::connect(notifier, &QWinEventNotifier::activated, context,
                     [notifier, handler = std::move(handler)] {
                         notifier->setEnabled(false);
                         handler();
                     });
}
