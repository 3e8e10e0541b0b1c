#include "benchrunner.h"

#include "bmpheader.h"
#include "capturetoolprocess.h"
#include "dsosimprocess.h"
#include "filehelpers.h"
#include "orvisnapdownload.h"
#include "receivedpicture.h"
#include "rxreceive.h"
#include "simtrace.h"

#include <QDir>
#include <QFile>
#include <QList>

#include <cstdio>

namespace {
// The simulator exits a few seconds after its last EOT; this only guards against a hang.
constexpr int SummaryWaitMs = 60000;
// Far beyond the largest sample's transfer: only a stuck capture gets here.
constexpr int CaptureWaitMs = 600000;

QByteArray padded(QByteArray data)
{
    while (data.size() % 128 != 0)
        data += '\x1A';
    return data;
}

QByteArray patched(QByteArray data)
{
    PatchBMPBytes(data, ReceivedPicture::PatchRed, ReceivedPicture::PatchGreen,
                  ReceivedPicture::PatchBlue);
    return data;
}

QString receiverName(BenchRunner::Receiver receiver)
{
    switch (receiver) {
    case BenchRunner::Receiver::Rx:
        return QStringLiteral("rx");
    case BenchRunner::Receiver::Orvisnap:
        return QStringLiteral("orvisnap");
    case BenchRunner::Receiver::WineCapture:
        return QStringLiteral("wine-cap"); // orvisnap-capture.exe under Wine
    default:
        return QStringLiteral("capture"); // the orvisnap-capture executable
    }
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
            table_.add(receive(kind, sample, model, sent, Receiver::Rx));
        table_.add(receive(kind, sample, model, sent, Receiver::Orvisnap));
    }
    // One sample is enough to see what the process around the download costs.
    if (kind == QLatin1String("medium")) {
        table_.add(receive(kind, sample, models.first(), sent, Receiver::Capture));
        if (!wineCapture_.isEmpty())
            table_.add(receive(kind, sample, models.first(), sent, Receiver::WineCapture));
    }
    return true;
}

BenchRow BenchRunner::receive(const QString& kind, const QString& sample, const LineModel& model,
                              const QByteArray& sent, Receiver receiver)
{
    BenchRow row;
    row.file = kind;
    row.model = model.name;
    row.receiver = receiverName(receiver);
    DsoSimProcess sim;
    // The trace (--verbose) gives the transfer time on the simulator's clock.
    QStringList simArgs =
        QStringList{"--file", sample, "--baud", "38400", "--verbose"} + model.simArgs;
    if (receiver == Receiver::WineCapture)
        simArgs << QStringLiteral("--link") << wineComLink();
    const QString device = sim.start(simArgs);
    if (device.isEmpty()) {
        row.problem = QStringLiteral("the simulator did not start");
        return row;
    }
    if (receiver == Receiver::Orvisnap)
        downloadWithOrvisnap(device, sent, row);
    else if (receiver == Receiver::Capture)
        downloadWithCapture(device, sent, row);
    else if (receiver == Receiver::WineCapture)
        downloadWithWineCapture(sent, row);
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
    if (row.problem.isEmpty() && result.file != patched(padded(sent)))
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

void BenchRunner::downloadWithCapture(const QString& device, const QByteArray& sent,
                                      BenchRow& row) const
{
    captureInto({QStringLiteral("--port"), device}, CaptureToolProcess::executable(), {}, sent,
                row);
}

// The simulator's link, which COM9 of the Wine prefix points at.
QString BenchRunner::wineComLink() const
{
    const QString link = QDir(dir_).filePath(QStringLiteral("wine-com9"));
    const QString com9 = qEnvironmentVariable("WINEPREFIX") + QStringLiteral("/dosdevices/com9");
    QFile::remove(com9);
    QFile::link(link, com9);
    return link;
}

void BenchRunner::downloadWithWineCapture(const QByteArray& sent, BenchRow& row) const
{
    captureInto({QStringLiteral("--port"), QStringLiteral("COM9")}, QStringLiteral("wine"),
                wineCapture_, sent, row);
}

// Runs the tool (`tool`, or `program` alone when `tool` is empty) into a file of the
// benchmark's folder and checks that file.
void BenchRunner::captureInto(const QStringList& port, const QString& program, const QString& tool,
                              const QByteArray& sent, BenchRow& row) const
{
    const QString out = QStringLiteral("capture.bmp"); // in dir_, the tool's folder
    QFile::remove(QDir(dir_).filePath(out));
    QStringList arguments =
        port + QStringList{QStringLiteral("--output"), out, QStringLiteral("--quiet")};
    if (!tool.isEmpty())
        arguments.prepend(tool);
    const CaptureToolProcess::Ended ended =
        CaptureToolProcess::run(arguments, dir_, CaptureWaitMs, program);
    row.ownSeconds = ended.seconds;
    QByteArray file;
    if (!ended.exited || ended.exitCode != 0)
        row.problem = QStringLiteral("the capture tool ended with status %1: %2")
                          .arg(ended.exitCode)
                          .arg(ended.standardError.trimmed());
    else if (!FileToString(QDir(dir_).filePath(out), file) || file != patched(sent))
        row.problem = QStringLiteral("the captured file differs from the file sent");
    row.ok = row.problem.isEmpty();
}
