#include "portlisting.h"

#include "myserial.h"
#include "systemportprobe.h"

QStringList PortListing::lines(const QString& iniPath)
{
    const MySerialUnit unit(SystemPortProbe::make(iniPath));
    QStringList lines;
    for (int i = 0; i < ComPortList.size(); ++i) {
        QString line = ComPortField(i, 1) + '\t' + ComPortField(i, 2);
        if (const QString description = ComPortDescription(i).simplified(); !description.isEmpty())
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
