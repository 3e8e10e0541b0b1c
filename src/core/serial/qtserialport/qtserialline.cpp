#include "qtserialline.h"

#include <QCoreApplication>

namespace {
QSerialPort::Parity qtParity(LineSettings::Parity parity)
{
    switch (parity) {
    case LineSettings::Parity::Odd:
        return QSerialPort::OddParity;
    case LineSettings::Parity::Even:
        return QSerialPort::EvenParity;
    case LineSettings::Parity::Mark:
        return QSerialPort::MarkParity;
    case LineSettings::Parity::Space:
        return QSerialPort::SpaceParity;
    case LineSettings::Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits qtStopBits(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case LineSettings::StopBits::Two:
        return QSerialPort::TwoStop;
    case LineSettings::StopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

// The device itself has already been opened by DeviceHold, so a permission error from Qt is the
// lock file of another program.
SerialLine::Opened refusedByQt(const QSerialPort& serial)
{
    switch (serial.error()) {
    case QSerialPort::DeviceNotFoundError:
        return {SerialLine::Refusal::NoDevice, serial.errorString()};
    case QSerialPort::PermissionError:
        return {SerialLine::Refusal::Busy,
                QCoreApplication::translate("QtSerialLine", "locked by another program")};
    default:
        return {SerialLine::Refusal::Other, serial.errorString()};
    }
}
} // namespace

SerialLine::Opened QtSerialLine::open(const QString& device)
{
    close();
    const DeviceHold hold(device);
    if (hold.refusal() != Refusal::None)
        return {hold.refusal(), hold.systemWords()};
    std::unique_ptr<QSerialPort, LaterDeleter> serial(new QSerialPort);
    serial->setPortName(device);
    // Qt opens the device exclusively (TIOCEXCL and a lock file) and in raw mode without flow
    // control: no echo, no line editing, no CR/LF translation, no XON/XOFF, no RTS/CTS, whatever
    // the last program left on the device. The kernel raises DTR and RTS.
    if (!serial->open(QIODevice::ReadWrite))
        return refusedByQt(*serial);
    lost_ = false;
    readErrors_ = 0;
    QObject::connect(serial.get(), &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { noteError(e); });
    QObject::connect(serial.get(), &QSerialPort::readyRead, [this] {
        // The handler may close the line and drop itself.
        if (const std::function<void()> handler = readyRead_)
            handler();
    });
    port_ = std::move(serial);
    return {};
}

void QtSerialLine::noteError(QSerialPort::SerialPortError error)
{
    // A pty whose other side closed, or an unplugged adapter, reports read errors without end;
    // one stray error is not taken as a lost line.
    if (error == QSerialPort::ResourceError ||
        (error == QSerialPort::ReadError && ++readErrors_ >= 3))
        lost_ = true;
}

bool QtSerialLine::configure(const LineSettings& settings)
{
    if (!port_)
        return false;
    // Flow control "None", as the COM settings dialog shows.
    return port_->setBaudRate(settings.baudRate) &&
           port_->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
           port_->setParity(qtParity(settings.parity)) &&
           port_->setStopBits(qtStopBits(settings.stopBits)) &&
           port_->setFlowControl(QSerialPort::NoFlowControl);
}

QString QtSerialLine::errorString() const
{
    return port_ ? port_->errorString() : QString();
}

void QtSerialLine::close()
{
    readyRead_ = nullptr;
    if (port_) {
        port_->disconnect();
        port_->close();
        port_.reset();
    }
}

void QtSerialLine::resetDevice()
{
    // Qt offers no device-reset request, and no caller relies on one.
}

void QtSerialLine::write(const QByteArray& bytes)
{
    if (!port_)
        return;
    port_->write(bytes);
    port_->flush(); // hands the bytes to the driver now; does not wait for the line
}

QByteArray QtSerialLine::readAvailable()
{
    if (!port_)
        return {};
    // Qt 6 reports no parity, framing or overrun flags per read, so the rule "a single error
    // flag defers the read" never triggers here: what has arrived is taken.
    port_->waitForReadyRead(0); // take what the driver already holds, without waiting
    QByteArray bytes = port_->readAll();
    if (!bytes.isEmpty())
        readErrors_ = 0;
    return bytes;
}

void QtSerialLine::onReadyRead(std::function<void()> handler)
{
    readyRead_ = std::move(handler);
}
