#include "xmodemstep.h"

#include "filehelpers.h"

QStringList XModemStep::rxLog() const
{
    if (read.isEmpty())
        return {};
    QStringList lines{QStringLiteral("Rx: %1 byte(s)").arg(read.size()), MakeHexStr(read)};
    if (kind == Kind::Eot)
        lines << QStringLiteral("EOT");
    return lines;
}
