#include "dsosimprocess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

#include <utility>

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
    // The first line must be the device; anything else is a failure to start.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && !output_.contains('\n') &&
           process_.state() != QProcess::NotRunning) {
        process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        output_ += process_.readAllStandardOutput();
    }
    if (!output_.startsWith("PTY "))
        return {};
    readOutput();
    return devicePath_;
}

bool DsoSimProcess::waitForLines(int count, int ms)
{
    const QDeadlineTimer deadline(ms);
    for (;;) {
        readOutput();
        if (lines_ >= count)
            return true;
        if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
            return false;
        process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
}

std::optional<DsoSimSummary> DsoSimProcess::waitForSummary(int ms)
{
    const QDeadlineTimer deadline(ms);
    if (loop_) {
        for (;;) {
            readOutput();
            if (!summaries_.isEmpty())
                return summaries_.takeFirst();
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning)
                return std::nullopt;
            process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        }
    }
    if (process_.state() != QProcess::NotRunning &&
        !process_.waitForFinished(static_cast<int>(deadline.remainingTime())))
        return std::nullopt;
    readOutput();
    if (summaries_.isEmpty())
        return std::nullopt;
    DsoSimSummary last = summaries_.takeLast();
    summaries_.clear();
    if (process_.exitStatus() == QProcess::NormalExit)
        last.exitCode = process_.exitCode();
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

void DsoSimProcess::readOutput()
{
    output_ += process_.readAllStandardOutput();
    for (qsizetype end = output_.indexOf('\n'); end >= 0; end = output_.indexOf('\n')) {
        const QByteArray line = output_.left(end);
        output_.remove(0, end + 1);
        takeLine(line);
    }
}

void DsoSimProcess::takeLine(const QByteArray& line)
{
    if (line.startsWith("PTY ")) {
        devicePath_ = QString::fromLocal8Bit(line.mid(4));
        ++lines_;
        return;
    }
    if (line.startsWith("fault ")) {
        fault_ = QString::fromLatin1(line.mid(6));
        return;
    }
    const auto match = summaryPattern().match(QString::fromLatin1(line));
    if (!match.hasMatch())
        return;
    DsoSimSummary summary;
    summary.blocks = match.captured(1).toInt();
    summary.naks = match.captured(2).toInt();
    summary.repeats = match.captured(3).toInt();
    summary.seconds = match.captured(4).toDouble();
    summary.fault = std::exchange(fault_, {});
    summaries_.append(summary);
}

QStringList DsoSimProcess::oneAnswerBehind()
{
    return {"--keeps-input", "--start-delay-ms", "300", "--reply-delay-ms", "60"};
}
