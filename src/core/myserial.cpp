#include "myserial.h"

#include "delays.h"
#include "devicehold.h"

#include <QSerialPort>

#include <memory>

QStringList ComPortList;
std::int32_t ComPortNumber = 0;
std::int32_t ComBaudRate = 9600;
std::uint8_t ComDataBits = 8;
char ComParity = 'N';
std::uint8_t ComStopBits = 1;
bool ComPortOpen = false;

namespace {
// The port while it is held (open, or held after a failed configuration).
std::unique_ptr<QSerialPort> ComHandle;
PortScan unitScan;
bool lineLost = false;
int readErrors = 0;

QString devicePathOf(std::int32_t port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(port);
#else
    const int index = ComFindByNumber(port);
    return index < 0 ? QString() : ComPortField(index, 2);
#endif
}

QSerialPort::Parity qtParity(char letter)
{
    switch (ParityCode(letter)) {
    case 1:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    case 3:
        return QSerialPort::MarkParity;
    case 4:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

Outcome refused(const QString& path, DeviceHold::Refusal why, const QString& words)
{
    QString reason = QStringLiteral("%1: %2").arg(path, words);
    switch (why) {
    case DeviceHold::Refusal::NoDevice:
        reason += QStringLiteral("\nThe device is not there: was the adapter unplugged?");
        break;
    case DeviceHold::Refusal::Permission:
        reason += QStringLiteral("\nYour user may need to be in the group that owns the device "
                                 "(often \"dialout\"); log in again after joining it.");
        break;
    case DeviceHold::Refusal::Busy:
        reason += QStringLiteral("\nAnother program has the port open.");
        break;
    default:
        break;
    }
    return Outcome::failure(reason);
}

// On POSIX the device itself has already been opened here, so a permission error from Qt is
// the lock file of another program; on Windows it is the refused sharing of a port in use.
Outcome refusedByQt(const QString& path, const QSerialPort& serial)
{
    switch (serial.error()) {
    case QSerialPort::DeviceNotFoundError:
        return refused(path, DeviceHold::Refusal::NoDevice, serial.errorString());
    case QSerialPort::PermissionError:
#ifdef Q_OS_WIN
        return refused(path, DeviceHold::Refusal::Busy, serial.errorString());
#else
        return refused(path, DeviceHold::Refusal::Busy,
                       QStringLiteral("locked by another program"));
#endif
    default:
        return refused(path, DeviceHold::Refusal::Other, serial.errorString());
    }
}

QSerialPort::StopBits qtStopBits(std::uint8_t code)
{
    switch (StopBitsCode(code)) {
    case 1:
        return QSerialPort::OneAndHalfStop;
    case 2:
        return QSerialPort::TwoStop;
    default:
        return QSerialPort::OneStop;
    }
}
} // namespace

void ComStartUnit(PortScan scan)
{
    ComStopUnit();
    unitScan = std::move(scan);
    ComRefreshPorts();
    ComPortNumber = ComPortList.isEmpty() ? 0 : ComPortNumberAt(0);
    ComBaudRate = 9600;
    ComDataBits = 8;
    ComParity = 'N';
    ComStopBits = 1;
}

void ComStartUnit(const PortProbe& probe)
{
    ComStartUnit(PortScan([probe] { return probe; }));
}

void ComStopUnit()
{
    ComPortList.clear();
    ComClose();
    unitScan = nullptr;
}

void ComRefreshPorts()
{
    if (unitScan)
        ComEnumeratePorts(ComMaxPorts, ComPortList, unitScan());
}

void ComEnumeratePorts(int count, QStringList& list, const PortProbe& probe)
{
    if (count < 1)
        return;
    list.clear();
    for (int n = 1; n <= count; ++n) {
        const QString path = probe ? probe(n) : QString();
        // A comma would split the record in the wrong place.
        if (path.isEmpty() || path.contains(QLatin1Char(',')))
            continue;
        list.append(QStringLiteral("%1,COM%1,%2").arg(n).arg(path));
    }
}

QString ComPortField(int index, int field)
{
    if (index < 0 || index >= ComPortList.size())
        return {};
    return ComPortList.at(index).section(QLatin1Char(','), field, field);
}

int ComFindByName(const QString& name)
{
    int found = -1;
    for (int i = 0; i < ComPortList.size(); ++i)
        if (ComPortField(i, 1) == name)
            found = i;
    return found;
}

int ComFindByNumber(std::int32_t number)
{
    const QString text = QString::number(number);
    int found = -1;
    for (int i = 0; i < ComPortList.size(); ++i)
        if (ComPortField(i, 0) == text)
            found = i;
    return found;
}

std::int32_t ComPortNumberAt(int index)
{
    if (index < 0 || index >= ComPortList.size())
        return -1;
    return ComPortField(index, 0).toInt();
}

Outcome ComOpenChecked(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
                       std::uint8_t stopBits)
{
    ComPortOpen = false;
    const QString path = devicePathOf(port);
    if (path.isEmpty())
        return Outcome::failure(QStringLiteral("COM%1 is not among the detected ports.").arg(port));
    const DeviceHold hold(path);
    if (hold.refusal() != DeviceHold::Refusal::None)
        return refused(path, hold.refusal(), hold.systemWords());
    auto serial = std::make_unique<QSerialPort>();
    serial->setPortName(path);
    // Qt opens the device exclusively (TIOCEXCL and a lock file on POSIX, no sharing on
    // Windows) and in raw mode: no echo, no line editing, no CR/LF translation.
    if (!serial->open(QIODevice::ReadWrite))
        return refusedByQt(path, *serial);
    lineLost = false;
    readErrors = 0;
    QObject::connect(serial.get(), &QSerialPort::errorOccurred, [](QSerialPort::SerialPortError e) {
        // A pty whose other side closed, or an unplugged adapter, reports read errors without
        // end; one stray error is not taken as a lost line.
        if (e == QSerialPort::ResourceError || (e == QSerialPort::ReadError && ++readErrors >= 3))
            lineLost = true;
    });
    ComHandle = std::move(serial);
    if (!ComSetParams(baud, dataBits, parity, stopBits))
        return Outcome::failure(QStringLiteral("%1: %2").arg(path, ComHandle->errorString()));
    // Qt's open also switched flow control off; the device keeps what its driver had.
    hold.restoreFlowControl(ComHandle->handle());
    ComPortOpen = true;
    return {};
}

bool ComOpen(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
             std::uint8_t stopBits)
{
    return ComOpenChecked(port, baud, dataBits, parity, stopBits).ok();
}

bool ComSetParams(std::int32_t baud, std::uint8_t dataBits, char parity, std::uint8_t stopBits)
{
    if (!ComHandle)
        return false;
    // Exactly these four; the rest of the line settings is left alone.
    return ComHandle->setBaudRate(baud) &&
           ComHandle->setDataBits(static_cast<QSerialPort::DataBits>(dataBits)) &&
           ComHandle->setParity(qtParity(parity)) && ComHandle->setStopBits(qtStopBits(stopBits));
}

void ComClose()
{
    ComPortOpen = false;
    if (ComHandle) {
        ComHandle->disconnect();
        ComHandle->close();
        ComHandle.reset();
    }
}

void ComResetDevice()
{
    // Qt offers no device-reset request, and no caller relies on one.
}

void ComWrite(const QByteArray& bytes)
{
    if (!ComPortOpen || !ComHandle || lineLost)
        return;
    ComHandle->write(bytes);
    ComHandle->flush(); // hands the bytes to the driver now; does not wait for the line
}

int ComReadAvailable(QByteArray& bytes)
{
    bytes.clear();
    if (!ComPortOpen || !ComHandle)
        return 0;
    // Qt 6 reports no parity, framing or overrun flags per read, so the rule "a single error
    // flag defers the read" never triggers here: what has arrived is taken.
    ComHandle->waitForReadyRead(0); // take what the driver already holds, without waiting
    bytes = ComHandle->readAll();
    if (!bytes.isEmpty())
        readErrors = 0;
    return static_cast<int>(bytes.size());
}

void ComWaitForData(std::int64_t maxMilliseconds)
{
    if (!ComPortOpen || !ComHandle || lineLost) {
        DelayWithMessages(maxMilliseconds);
        return;
    }
    if (ComHandle->bytesAvailable() == 0)
        DelayWithMessagesOrSignal(maxMilliseconds, ComHandle.get(), &QSerialPort::readyRead);
}

std::uint8_t ParityCode(char letter)
{
    switch (letter) {
    case 'O':
    case 'o':
        return 1;
    case 'E':
    case 'e':
        return 2;
    case 'M':
    case 'm':
        return 3;
    case 'S':
    case 's':
        return 4;
    default:
        return 0;
    }
}

std::uint8_t StopBitsCode(std::uint8_t code)
{
    switch (code) {
    case 3:
        return 1;
    case 2:
        return 2;
    default:
        return 0;
    }
}

bool ComLineLost()
{
    return ComPortOpen && lineLost;
}
