#include "portrecord.h"

std::optional<PortRecord> PortRecord::of(std::int32_t number, const QString& path)
{
    if (path.isEmpty() || path.contains(QLatin1Char(',')))
        return std::nullopt;
    return PortRecord{number, QStringLiteral("COM%1").arg(number), path};
}

PortRecord PortRecord::parse(const QString& text)
{
    const auto part = [&text](int index) { return text.section(QLatin1Char(','), index, index); };
    return {part(0).toInt(), part(1), part(2)};
}

QString PortRecord::text() const
{
    return QStringLiteral("%1,%2,%3").arg(number).arg(name, path);
}

QString PortRecord::field(int index) const
{
    switch (index) {
    case 0:
        return QString::number(number);
    case 1:
        return name;
    case 2:
        return path;
    default:
        return {};
    }
}
