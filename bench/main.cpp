// orvisnap-bench: times the real download (the button's handler) against the simulated
// instrument at 38400 baud, per sample file and line model, next to the line's lower bound
// and lrzsz's rx receiving the same file from the same simulator.
#include "benchtable.h"
#include "dsosimprocess.h"
#include "filehelpers.h"
#include "orvisnapdownload.h"
#include "rxreceive.h"
#include "simtrace.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
struct LineModel {
    QString name;
    QStringList simArgs;
};

const QList<LineModel> LineModels{
    {QStringLiteral("bytes"), {}},
    {QStringLiteral("bursts"), {QStringLiteral("--burst-ms"), QStringLiteral("16")}},
};

// The simulator exits a few seconds after its last EOT; this only guards against a hang.
constexpr int SummaryWaitMs = 60000;

QByteArray padded(QByteArray data)
{
    while (data.size() % 128 != 0)
        data += '\x1A';
    return data;
}

QByteArray paddedAndPatched(const QByteArray& data)
{
    QByteArray result = padded(data);
    PatchBMPBytes(result, 240, 255, 0);
    return result;
}

class Bench {
public:
    Bench(const QString& dir, BenchTable& table) : dir_(dir), table_(table) {}

    bool run(const QString& kind)
    {
        const QString sample = QDir(dir_).filePath(kind + QStringLiteral(".bmp"));
        QByteArray sent;
        if (!DsoSimProcess::makeBmp(kind, sample) || !FileToString(sample, sent)) {
            std::fprintf(stderr, "orvisnap-bench: cannot make the %s sample\n", qPrintable(kind));
            return false;
        }
        for (const LineModel& model : LineModels) {
            if (RxReceive::available())
                table_.add(receive(kind, sample, model, sent, false));
            table_.add(receive(kind, sample, model, sent, true));
        }
        return true;
    }

    [[nodiscard]] QString timings() const { return timings_; }

private:
    BenchRow receive(const QString& kind, const QString& sample, const LineModel& model,
                     const QByteArray& sent, bool orvisnap)
    {
        BenchRow row;
        row.file = kind;
        row.model = model.name;
        row.receiver = orvisnap ? QStringLiteral("orvisnap") : QStringLiteral("rx");
        DsoSimProcess sim;
        const QString device = sim.start(QStringList{"--file", sample, "--baud", "38400",
                                                     "--verbose"} +
                                         model.simArgs);
        if (device.isEmpty()) {
            row.problem = QStringLiteral("the simulator did not start");
            return row;
        }
        if (orvisnap)
            downloadWithOrvisnap(device, sent, row);
        else
            downloadWithRx(device, sent, row);
        takeSimulatorView(sim, row);
        return row;
    }

    void downloadWithOrvisnap(const QString& device, const QByteArray& sent, BenchRow& row)
    {
        const OrvisnapDownload::Result result =
            OrvisnapDownload::run(device, QDir(dir_).filePath(QStringLiteral("settings")));
        timings_ = result.timings;
        row.ownSeconds = result.seconds;
        if (result.hung)
            row.problem = QStringLiteral("hung; cancelled");
        else if (!result.messages.isEmpty())
            row.problem = result.messages.join(QStringLiteral("; "));
        else if (result.workingFile != paddedAndPatched(sent))
            row.problem = QStringLiteral("TMP.BMP differs from the file sent");
        row.ok = row.problem.isEmpty();
    }

    static void downloadWithRx(const QString& device, const QByteArray& sent, BenchRow& row)
    {
        const RxReceive::Result result = RxReceive::run(device, QStringLiteral("rx.out"));
        row.ownSeconds = result.seconds;
        row.problem = result.problem;
        if (result.ok && result.file != padded(sent))
            row.problem = QStringLiteral("rx's file differs from the file sent");
        row.ok = row.problem.isEmpty();
    }

    static void takeSimulatorView(DsoSimProcess& sim, BenchRow& row)
    {
        const auto summary = sim.waitForSummary(SummaryWaitMs);
        const auto transfer = SimTrace(sim.errorOutput()).transferSeconds();
        if (!summary || !transfer) {
            row.ok = false;
            row.problem += QStringLiteral(" (no simulator summary)");
            return;
        }
        row.blocks = summary->blocks;
        row.naks = summary->naks;
        row.repeats = summary->repeats;
        row.simSeconds = summary->seconds;
        row.transferSeconds = *transfer;
    }

    QString dir_;
    BenchTable& table_;
    QString timings_;
};

void printLegend()
{
    std::printf(
        "Orvisnap transfer benchmark: simulated instrument at 38400 baud, 8N1.\n"
        "  model   bytes: as the line carries them; bursts: every 16 ms, like a USB adapter\n"
        "  own_s   orvisnap: click to end of download; rx: process start to exit\n"
        "  sim_s   simulator summary: first block to end of its EOT handshake (3 s of\n"
        "          unanswered EOTs after Orvisnap, a 1 s wait for a second EOT by rx)\n"
        "  xfer_s  simulator clock, first block to first EOT: the common measure\n"
        "  line_s  lower bound: blocks x 134 bytes x 10 bits / 38400\n"
        "  vs_rx   orvisnap xfer_s / rx xfer_s, same file and model\n\n");
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList kinds = app.arguments().mid(1);
    if (kinds.isEmpty())
        kinds = {QStringLiteral("small"), QStringLiteral("medium"), QStringLiteral("large")};
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return EXIT_FAILURE;
    printLegend();
    if (!RxReceive::available())
        std::printf("%s is missing: no comparison with rx\n\n", RxReceive::Program);
    BenchTable table;
    table.printHeader();
    Bench bench(dir.path(), table);
    bool made = true;
    for (const QString& kind : kinds)
        made = bench.run(kind) && made;
    std::printf("\norvisnap timings: %s\n", qPrintable(bench.timings()));
    std::printf("%s\n", qPrintable(table.summaryLine()));
    return made && table.allOk() ? EXIT_SUCCESS : EXIT_FAILURE;
}
