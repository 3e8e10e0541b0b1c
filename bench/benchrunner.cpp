#include "benchrunner.h"

#include "dsosimprocess.h"
#include "filehelpers.h"
#include "orvisnapdownload.h"
#include "receivedpicture.h"
#include "rxreceive.h"
#include "simtrace.h"

#include <QDir>
#include <QList>

#include <cstdio>

namespace {
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
    PatchBMPBytes(result, ReceivedPicture::PatchRed, ReceivedPicture::PatchGreen,
                  ReceivedPicture::PatchBlue);
    return result;
}

void takeSimulatorView(DsoSimProcess& sim, BenchRow& row)
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
} // namespace

bool BenchRunner::run(const QString& kind)
{
    static const QList<LineModel> models{
        {QStringLiteral("bytes"), {}},
        {QStringLiteral("bursts"), {QStringLiteral("--burst-ms"), QStringLiteral("16")}},
    };
    const QString sample = QDir(dir_).filePath(kind + QStringLiteral(".bmp"));
    QByteArray sent;
    if (!DsoSimProcess::makeBmp(kind, sample) || !FileToString(sample, sent)) {
        std::fprintf(stderr, "orvisnap-bench: cannot make the %s sample\n", qPrintable(kind));
        return false;
    }
    for (const LineModel& model : models) {
        if (RxReceive::available())
            table_.add(receive(kind, sample, model, sent, false));
        table_.add(receive(kind, sample, model, sent, true));
    }
    return true;
}

BenchRow BenchRunner::receive(const QString& kind, const QString& sample, const LineModel& model,
                              const QByteArray& sent, bool orvisnap)
{
    BenchRow row;
    row.file = kind;
    row.model = model.name;
    row.receiver = orvisnap ? QStringLiteral("orvisnap") : QStringLiteral("rx");
    DsoSimProcess sim;
    // The trace (--verbose) gives the transfer time on the simulator's clock.
    const QString device =
        sim.start(QStringList{"--file", sample, "--baud", "38400", "--verbose"} + model.simArgs);
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

void BenchRunner::downloadWithOrvisnap(const QString& device, const QByteArray& sent, BenchRow& row)
{
    const OrvisnapDownload::Result result = OrvisnapDownload::run(device);
    timings_ = result.timings;
    row.ownSeconds = result.seconds;
    row.problem = result.problem;
    if (row.problem.isEmpty() && result.file != paddedAndPatched(sent))
        row.problem = QStringLiteral("the received file differs from the file sent");
    row.ok = row.problem.isEmpty();
}

void BenchRunner::downloadWithRx(const QString& device, const QByteArray& sent, BenchRow& row)
{
    const RxReceive::Result result = RxReceive::run(device, QStringLiteral("rx.out"));
    row.ownSeconds = result.seconds;
    row.problem = result.problem;
    if (result.ok && result.file != padded(sent))
        row.problem = QStringLiteral("rx's file differs from the file sent");
    row.ok = row.problem.isEmpty();
}
