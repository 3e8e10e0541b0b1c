#pragma once

#include <functional>

class QObject;

// SIGINT and SIGTERM (a Ctrl+C, the end of a session, `kill`; on Windows a console's Ctrl+C) as
// a request to end in order, which the program looks at when it suits it: a download then ends
// at its next pass with the port closed, files are written whole and the settings are kept. A
// second such signal, of either kind, ends the program at once, as it would without this.
class TerminationSignals {
public:
    static void install();
    [[nodiscard]] static bool requested();
    // The event-driven way: `handler` runs once, from the event loop of `context`'s thread, as
    // soon as a request arrives (or at the next turn of the loop, when one came already). A
    // signal wakes the loop through a descriptor, so nothing has to look at the time in
    // between. Installs the catching too.
    static void onRequest(QObject* context, std::function<void()> handler);
};
