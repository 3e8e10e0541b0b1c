#include "simtrace.h"

#include <QList>
#include <QRegularExpression>

SimTrace::SimTrace(const QByteArray& trace)
{
    static const QRegularExpression line(QStringLiteral(R"(^\[\s*(\d+\.\d+)\] (.*)$)"));
    for (const QByteArray& raw : trace.split('\n')) {
        const auto match = line.match(QString::fromLatin1(raw));
        if (!match.hasMatch())
            continue;
        const double at = match.captured(1).toDouble();
        const QString event = match.captured(2);
        if (!firstBlockAt_ && event.startsWith(QLatin1String("block 1 (")))
            firstBlockAt_ = at;
        else if (!firstEotAt_ && event == QLatin1String("EOT"))
            firstEotAt_ = at;
    }
}

std::optional<double> SimTrace::transferSeconds() const
{
    if (!firstBlockAt_ || !firstEotAt_)
        return std::nullopt;
    return *firstEotAt_ - *firstBlockAt_;
}
