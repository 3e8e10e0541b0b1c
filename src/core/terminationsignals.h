#pragma once

// SIGINT and SIGTERM (a Ctrl+C, the end of a session, `kill`) as a request to end in order,
// which the program looks at when it suits it: a download then ends at its next pass with the
// port closed, files are written whole and the settings are kept. A second such signal ends the
// program at once, as it would without this.
class TerminationSignals {
public:
    static void install();
    [[nodiscard]] static bool requested();
};
