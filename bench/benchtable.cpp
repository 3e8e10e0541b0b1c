#include "benchtable.h"

#include <cstdio>

namespace {
QString ratioText(std::optional<double> ratio)
{
    return ratio ? QString::number(*ratio, 'f', 2) : QStringLiteral("-");
}
} // namespace

void BenchTable::printHeader() const
{
    std::printf("%-7s %-7s %-9s %6s %5s %8s %8s %8s %8s %9s %10s %6s  %s\n", "file", "model",
                "receiver", "blocks", "naks", "own_s", "sim_s", "xfer_s", "line_s", "own/line",
                "xfer/line", "vs_rx", "result");
    std::fflush(stdout);
}

void BenchTable::add(const BenchRow& row)
{
    rows_.append(row);
    const double line = row.lineSeconds();
    const auto ratio = [line](double seconds) {
        return line > 0.0 ? std::optional<double>(seconds / line) : std::nullopt;
    };
    const QString result = row.ok ? QStringLiteral("ok") : QStringLiteral("FAILED: ") + row.problem;
    std::printf("%-7s %-7s %-9s %6d %5d %8.3f %8.3f %8.3f %8.3f %9s %10s %6s  %s\n",
                qPrintable(row.file), qPrintable(row.model), qPrintable(row.receiver), row.blocks,
                row.naks, row.ownSeconds, row.simSeconds, row.transferSeconds, line,
                qPrintable(ratioText(ratio(row.ownSeconds))),
                qPrintable(ratioText(ratio(row.transferSeconds))),
                qPrintable(ratioText(ratioToRx(row))), qPrintable(result));
    std::fflush(stdout);
}

QString BenchTable::captureLine() const
{
    QString line = QStringLiteral("capture_ratio_to_line=%1")
                       .arg(ratioText(ratioToLine(QStringLiteral("capture"))));
    if (find(QStringLiteral("medium"), QStringLiteral("bytes"), QStringLiteral("wine-cap")))
        line += QStringLiteral(" wine_capture_ratio_to_line=%1")
                    .arg(ratioText(ratioToLine(QStringLiteral("wine-cap"))));
    return line;
}

QString BenchTable::summaryLine() const
{
    const BenchRow* bursts =
        find(QStringLiteral("medium"), QStringLiteral("bursts"), QStringLiteral("orvisnap"));
    const std::optional<double> toLine = ratioToLine(QStringLiteral("orvisnap"));
    int naks = 0;
    for (const BenchRow& row : rows_)
        if (row.receiver == QLatin1String("orvisnap"))
            naks += row.naks;
    return QStringLiteral("ratio_to_line=%1 ratio_to_rx=%2 naks=%3")
        .arg(ratioText(toLine), ratioText(bursts ? ratioToRx(*bursts) : std::nullopt))
        .arg(naks);
}

bool BenchTable::allOk() const
{
    for (const BenchRow& row : rows_)
        if (!row.ok)
            return false;
    return !rows_.isEmpty();
}

const BenchRow* BenchTable::find(const QString& file, const QString& model,
                                 const QString& receiver) const
{
    for (const BenchRow& row : rows_)
        if (row.file == file && row.model == model && row.receiver == receiver)
            return &row;
    return nullptr;
}

std::optional<double> BenchTable::ratioToRx(const BenchRow& ours) const
{
    if (ours.receiver != QLatin1String("orvisnap") || !ours.ok)
        return std::nullopt;
    const BenchRow* rx = find(ours.file, ours.model, QStringLiteral("rx"));
    if (!rx || !rx->ok || rx->transferSeconds <= 0.0)
        return std::nullopt;
    return ours.transferSeconds / rx->transferSeconds;
}

// Own seconds over the line's lower bound, medium file, bytes model.
std::optional<double> BenchTable::ratioToLine(const QString& receiver) const
{
    const BenchRow* row = find(QStringLiteral("medium"), QStringLiteral("bytes"), receiver);
    if (!row || !row->ok || row->lineSeconds() <= 0.0)
        return std::nullopt;
    return row->ownSeconds / row->lineSeconds();
}
