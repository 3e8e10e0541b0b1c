// orvisnap-bench: times the shared download driver (what the window and orvisnap-capture run)
// against the simulated instrument at 38400 baud, per sample file and line model, next to the
// line's lower bound and lrzsz's rx receiving the same file from the same simulator; and the
// orvisnap-capture executable as a whole on the medium file, and its Windows build under Wine.
#include "benchrunner.h"
#include "benchtable.h"
#include "rxreceive.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
void printLegend()
{
    std::printf(
        "Orvisnap transfer benchmark: simulated instrument at 38400 baud, 8N1.\n"
        "  model   bytes: as the line carries them; bursts: every 16 ms, like a USB adapter\n"
        "  own_s   orvisnap: start to end of the download driver's run; rx and capture\n"
        "          (the orvisnap-capture executable): process start to exit\n"
        "  sim_s   simulator summary: first block to end of its EOT handshake: 3 s of\n"
        "          unanswered EOTs after Orvisnap; after rx 1 s (it waits for a second EOT),\n"
        "          or 3 s when rx's exit flushes its last ACK off the pty unread\n"
        "  xfer_s  simulator clock, first block to first EOT: the common measure\n"
        "  line_s  lower bound: blocks x 134 bytes x 10 bits / 38400\n"
        "  vs_rx   orvisnap xfer_s / rx xfer_s, same file and model\n");
    if (!qEnvironmentVariableIsEmpty("ORVISNAP_BENCH_WINE_CAPTURE"))
        std::printf(
            "  wine-cap  orvisnap-capture.exe under Wine on COM9 of a Wine prefix, Wine's start\n"
            "          included: a Wine figure, not a Windows one; Wine's serial layer and its\n"
            "          process start stand between the program and the line\n");
    std::printf("\n");
}
} // namespace

// Arguments: the sample files to run (small, medium, large); all three by default.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList kinds = app.arguments().mid(1);
    if (kinds.isEmpty())
        kinds = {QStringLiteral("small"), QStringLiteral("medium"), QStringLiteral("large")};
    // Samples and rx's file stay in here.
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return EXIT_FAILURE;
    printLegend();
    if (!RxReceive::available())
        std::printf("%s is missing: no comparison with rx\n\n", RxReceive::Program);
    BenchTable table;
    table.printHeader();
    // A Windows build's orvisnap-capture.exe, set by scripts/bench.sh together with WINEPREFIX.
    BenchRunner runner(dir.path(), table, qEnvironmentVariable("ORVISNAP_BENCH_WINE_CAPTURE"));
    bool made = true;
    for (const QString& kind : kinds)
        made = runner.run(kind) && made;
    std::printf("\norvisnap timings: %s\n", qPrintable(runner.timings()));
    std::printf("%s\n", qPrintable(table.captureLine()));
    std::printf("%s\n", qPrintable(table.summaryLine()));
    return made && table.allOk() ? EXIT_SUCCESS : EXIT_FAILURE;
}
