#include "dsosimprocess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

namespace {
const QRegularExpression& summaryPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^summary blocks=(\d+) naks=(\d+) repeats=(\d+) seconds=(\d+\.\d+)$)"));
    return pattern;
}
} // namespace

DsoSimProcess::~DsoSimProcess()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString DsoSimProcess::start(const QStringList& args)
{
    loop_ = args.contains(QStringLiteral("--loop"));
    process_.start(executable(), args);
    if (!process_.waitForStarted(10000))
        return {};
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        const qsizetype end = output_.indexOf('\n');
        if (end >= 0) {
            const QByteArray line = output_.left(end);
            output_.remove(0, end + 1);
            if (!line.startsWith("PTY "))
                return {};
            devicePath_ = QString::fromLocal8Bit(line.mid(4));
            return devicePath_;
        }
        if (process_.state() == QProcess::NotRunning)
            return {};
        process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        output_ += process_.readAllStandardOutput();
    }
    return {};
}

std::optional<DsoSimSummary> DsoSimProcess::waitForSummary(int ms)
{
    const QDeadlineTimer deadline(ms);
    if (loop_) {
        for (;;) {
            output_ += process_.readAllStandardOutput();
            if (auto summary = takeSummaryLine())
                return summary;
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
                return std::nullopt;
            process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        }
    }
    if (process_.state() != QProcess::NotRunning &&
        !process_.waitForFinished(static_cast<int>(deadline.remainingTime())))
        return std::nullopt;
    output_ += process_.readAllStandardOutput();
    std::optional<DsoSimSummary> last;
    while (auto summary = takeSummaryLine())
        last = summary;
    if (last && process_.exitStatus() == QProcess::NormalExit)
        last->exitCode = process_.exitCode();
    return last;
}

bool DsoSimProcess::isRunning() const
{
    return process_.state() != QProcess::NotRunning;
}

QByteArray DsoSimProcess::errorOutput()
{
    return process_.readAllStandardError();
}

QString DsoSimProcess::executable()
{
    return QStringLiteral(ORVISNAP_DSOSIM);
}

bool DsoSimProcess::makeBmp(const QString& kind, const QString& outPath)
{
    QProcess process;
    process.start(executable(), {QStringLiteral("--make-bmp"), kind, outPath});
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Consumes complete lines up to and including the next summary line.
std::optional<DsoSimSummary> DsoSimProcess::takeSummaryLine()
{
    for (qsizetype end = output_.indexOf('\n'); end >= 0; end = output_.indexOf('\n')) {
        const QString line = QString::fromLatin1(output_.left(end));
        output_.remove(0, end + 1);
        const auto match = summaryPattern().match(line);
        if (!match.hasMatch())
            continue;
        DsoSimSummary summary;
        summary.blocks = match.captured(1).toInt();
        summary.naks = match.captured(2).toInt();
        summary.repeats = match.captured(3).toInt();
        summary.seconds = match.captured(4).toDouble();
        return summary;
    }
    return std::nullopt;
}
