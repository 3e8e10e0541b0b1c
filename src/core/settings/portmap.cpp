#include "portmap.h"

#include "inifile.h"

#include <QFile>
#include <QFileInfo>

namespace {
constexpr int PinnedNumbers = 30;
} // namespace

QMap<int, QString> PortMap::read(const QString& iniPath)
{
    const IniFile file(iniPath);
    QMap<int, QString> map;
    if (!file.exists())
        return map;
    const IniDocument ini = file.load().value_or(IniDocument());
    for (int n = 1; n <= PinnedNumbers; ++n) {
        const QByteArray key = "COM" + QByteArray::number(n);
        const QString path = QFile::decodeName(ini.readString("Ports", key, {}));
        if (!path.isEmpty() && QFileInfo::exists(path))
            map.insert(n, path);
    }
    return map;
}
