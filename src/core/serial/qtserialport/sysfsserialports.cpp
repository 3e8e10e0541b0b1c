#include "sysfsserialports.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
// Serial links that have no device behind them and are still ports: Bluetooth (rfcomm), the
// tty0tty null modem (tnt), a USB gadget's own port (ttyGS).
const QLatin1StringView VirtualPorts[] = {QLatin1StringView("rfcomm"), QLatin1StringView("tnt"),
                                          QLatin1StringView("ttyGS")};

// A small attribute file of sysfs: its first line, without blanks.
QString attribute(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine(256)).trimmed();
}

// Sysfs names a device in a subfolder of /dev with "!" for "/" (cua/0 is cua!0).
QString nodeName(const QString& ttyName)
{
    return QString(ttyName).replace(QLatin1Char('!'), QLatin1Char('/'));
}
} // namespace

SysfsSerialPorts::SysfsSerialPorts(QString sysRoot, QString devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot))
{
}

bool SysfsSerialPorts::available() const
{
    return QFileInfo(ttyClass()).isDir();
}

QStringList SysfsSerialPorts::ports() const
{
    QStringList paths;
    QDirIterator entries(ttyClass(), QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        if (const QString name = entries.fileName(); isPort(name))
            paths.append(devRoot_ + QLatin1Char('/') + nodeName(name));
    }
    return paths;
}

bool SysfsSerialPorts::isPort(const QString& name) const
{
    const QString tty = ttyClass() + QLatin1Char('/') + name;
    if (!QFileInfo::exists(tty + QStringLiteral("/device")))
        return std::any_of(std::begin(VirtualPorts), std::end(VirtualPorts),
                           [&name](QLatin1StringView prefix) { return name.startsWith(prefix); });
    // A UART slot the 8250 driver reserves without a chip in it reads as type 0 (unknown).
    return attribute(tty + QStringLiteral("/type")) != QLatin1String("0");
}

QString SysfsSerialPorts::describe(const QString& devicePath) const
{
    const QString device = QFileInfo(devicePath).canonicalFilePath();
    const QString devFolder = QDir(devRoot_).canonicalPath() + QLatin1Char('/');
    if (device.isEmpty() || !device.startsWith(devFolder))
        return {};
    QString ttyName = device.mid(devFolder.size());
    ttyName.replace(QLatin1Char('/'), QLatin1Char('!'));
    QStringList parts;
    if (const QString usb = usbDevice(ttyName); !usb.isEmpty()) {
        const QString maker = attribute(usb + QStringLiteral("/manufacturer"));
        const QString product = attribute(usb + QStringLiteral("/product"));
        if (const QString both = (maker + QLatin1Char(' ') + product).trimmed(); !both.isEmpty())
            parts.append(both);
        if (const QString serial = attribute(usb + QStringLiteral("/serial")); !serial.isEmpty())
            parts.append(
                QCoreApplication::translate("SysfsSerialPorts", "serial number %1").arg(serial));
    }
    if (const QString byId = byIdName(device); !byId.isEmpty())
        parts.append(byId);
    return parts.join(QStringLiteral(", "));
}

// The USB device the port belongs to: the nearest folder above the tty's device that holds a
// vendor number. Empty for a port that is not on USB.
QString SysfsSerialPorts::usbDevice(const QString& ttyName) const
{
    QString folder = QFileInfo(ttyClass() + QLatin1Char('/') + ttyName + QStringLiteral("/device"))
                         .canonicalFilePath();
    const QString top = QDir(sysRoot_).canonicalPath();
    while (!folder.isEmpty() && folder.startsWith(top + QLatin1Char('/'))) {
        if (QFileInfo::exists(folder + QStringLiteral("/idVendor")))
            return folder;
        folder = QFileInfo(folder).path();
    }
    return {};
}

QString SysfsSerialPorts::byIdName(const QString& canonicalDevice) const
{
    QDirIterator links(devRoot_ + QStringLiteral("/serial/by-id"),
                       QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    while (links.hasNext()) {
        links.next();
        if (links.fileInfo().canonicalFilePath() == canonicalDevice)
            return links.fileName();
    }
    return {};
}
