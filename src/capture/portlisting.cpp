#include "portlisting.h"

#include "comportlist.h"
#include "portmap.h"

QStringList PortListing::lines(const QString& iniPath)
{
    QStringList lines;
    const ComPortList ports = ComPortList::detect(PortMap::read(iniPath)).described();
    for (const ComPortInfo& port : ports.ports()) {
        QString line = port.name() + '\t' + port.devicePath;
        if (const QString description = port.description.simplified(); !description.isEmpty())
            line += '\t' + description;
        lines.append(line);
    }
    return lines;
}

ExitStatus PortListing::print(const QString& iniPath, std::FILE* out, std::FILE* err)
{
    const QStringList found = lines(iniPath);
    if (found.isEmpty())
        std::fputs("No COM ports detected on your system.\n", err);
    for (const QString& line : found)
        std::fprintf(out, "%s\n", line.toLocal8Bit().constData());
    return ExitStatus::Saved;
}
