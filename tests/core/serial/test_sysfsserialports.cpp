#include "sysfsserialports.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A fake tree under `root`, one entry a line: "path/" a folder, "path=text" a file,
// "path>target" a symbolic link (target as written, relative to the link's folder).
void build(const QString& root, const QStringList& entries)
{
    const QDir dir(root);
    for (const QString& entry : entries) {
        const qsizetype link = entry.indexOf(QLatin1Char('>'));
        const qsizetype file = entry.indexOf(QLatin1Char('='));
        const QString path = dir.filePath(entry.left(link >= 0 ? link : file));
        QVERIFY(dir.mkpath(entry.endsWith(QLatin1Char('/')) ? path : QFileInfo(path).path()));
        if (link >= 0)
            QVERIFY2(QFile::link(entry.mid(link + 1), path), qPrintable(entry));
        else if (file >= 0)
            WriteTestFile(path, entry.mid(file + 1).toUtf8());
    }
}

const QString Usb = QStringLiteral("sys/devices/pci0000:00/usb1/1-2");
// An FTDI adapter: the USB device with its strings, its interface and the tty's device.
const QStringList Adapter = {
    Usb + "/idVendor=0403\n",
    Usb + "/manufacturer=FTDI\n",
    Usb + "/product=FT232R USB UART\n",
    Usb + "/serial=A1B2C3\n",
    Usb + "/1-2:1.0/ttyUSB0/",
    "sys/class/tty/ttyUSB0/device>../../../devices/pci0000:00/usb1/1-2/1-2:1.0/ttyUSB0",
    "dev/ttyUSB0=",
};
const QString ById = QStringLiteral("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
} // namespace

class TestSysfsSerialPorts : public QObject {
    Q_OBJECT
private slots:
    void portsAndDescriptions_data();
    void portsAndDescriptions();
};

void TestSysfsSerialPorts::portsAndDescriptions_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QStringList>("ports"); // sorted, relative to the tree
    QTest::addColumn<QString>("asked");     // the device whose description is asked for
    QTest::addColumn<QString>("description");

    QTest::newRow("a device link") << Adapter << QStringList{"dev/ttyUSB0"} << "dev/ttyUSB0"
                                   << "FTDI FT232R USB UART, serial number A1B2C3";
    QTest::newRow("a by-id name, asked for by the link")
        << Adapter + QStringList{"dev/serial/by-id/" + ById + ">../../ttyUSB0"}
        << QStringList{"dev/ttyUSB0"} << "dev/serial/by-id/" + ById
        << "FTDI FT232R USB UART, serial number A1B2C3, " + ById;
    QTest::newRow("none: consoles and virtual terminals")
        << QStringList{"sys/class/tty/tty0/dev=4:0\n", "sys/class/tty/console/", "dev/tty0="}
        << QStringList{} << "dev/tty0"
        << "";
    QTest::newRow("a dangling link")
        << QStringList{"sys/class/tty/ttyACM0/device>../../../devices/gone", "dev/ttyACM0="}
        << QStringList{} << "dev/ttyACM0"
        << "";
    QTest::newRow("a UART slot without a chip")
        << QStringList{"sys/devices/serial8250/tty/",
                       "sys/class/tty/ttyS0/type=4\n",
                       "sys/class/tty/ttyS0/device>../../../devices/serial8250",
                       "sys/class/tty/ttyS1/type=0\n",
                       "sys/class/tty/ttyS1/device>../../../devices/serial8250",
                       "dev/ttyS0="}
        << QStringList{"dev/ttyS0"} << "dev/ttyS0"
        << "";
    QTest::newRow("Bluetooth: no device, still a port")
        << QStringList{"sys/class/tty/rfcomm0/dev=216:0\n"} << QStringList{"dev/rfcomm0"}
        << "dev/rfcomm0"
        << "";
    QTest::newRow("a node in a subfolder of /dev")
        << QStringList{"sys/devices/ports/x/",
                       "sys/class/tty/usb!ttyX/device>../../../devices/ports/x", "dev/usb/ttyX="}
        << QStringList{"dev/usb/ttyX"} << "dev/usb/ttyX"
        << "";
    QTest::newRow("a device outside /dev")
        << Adapter << QStringList{"dev/ttyUSB0"} << "sys/class/tty/ttyUSB0/device"
        << "";
    QTest::newRow("a missing device") << Adapter << QStringList{"dev/ttyUSB0"} << "dev/ttyUSB7"
                                      << "";
}

void TestSysfsSerialPorts::portsAndDescriptions()
{
    QFETCH(QStringList, tree);
    QFETCH(QStringList, ports);
    QFETCH(QString, asked);
    QFETCH(QString, description);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    build(root.path(), tree);
    const QDir dir(root.path());
    const SysfsSerialPorts sysfs(dir.filePath(QStringLiteral("sys")),
                                 dir.filePath(QStringLiteral("dev")));
    QVERIFY(sysfs.available());
    QStringList listed;
    for (const QString& path : sysfs.ports())
        listed.append(dir.relativeFilePath(path));
    listed.sort();
    QCOMPARE(listed, ports);
    QCOMPARE(sysfs.describe(dir.filePath(asked)), description);
}

QTEST_GUILESS_MAIN(TestSysfsSerialPorts)
#include "test_sysfsserialports.moc"
