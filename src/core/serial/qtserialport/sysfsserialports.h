#pragma once

#include <QString>
#include <QStringList>

// The machine's serial ports as the Linux kernel lists them in sysfs, without udev: the tty
// devices that have a device behind them (/sys/class/tty/NAME/device), as the serial libraries
// find them, and what the device behind a port is, read only for that port when asked. The
// roots are given so that tests can hand in trees of their own.
class SysfsSerialPorts {
public:
    explicit SysfsSerialPorts(QString sysRoot = QStringLiteral("/sys"),
                              QString devRoot = QStringLiteral("/dev"));

    // Whether the kernel's tty list is there at all (not on macOS).
    [[nodiscard]] bool available() const;
    // The ports' device paths (/dev/ttyUSB0), unsorted. Left out: ttys without a device (the
    // consoles), a device link that leads nowhere, and a UART slot the kernel found no chip in.
    [[nodiscard]] QStringList ports() const;
    // The USB device's manufacturer, product and serial number and the port's
    // /dev/serial/by-id name, as far as they are known, for a device node or a link to one;
    // empty when sysfs says nothing.
    [[nodiscard]] QString describe(const QString& devicePath) const;

private:
    [[nodiscard]] QString ttyClass() const { return sysRoot_ + QStringLiteral("/class/tty"); }
    [[nodiscard]] bool isPort(const QString& name) const;
    [[nodiscard]] QString usbDevice(const QString& ttyName) const;
    [[nodiscard]] QString byIdName(const QString& canonicalDevice) const;

    QString sysRoot_;
    QString devRoot_;
};
