#include "myserial.h"

#include "delays.h"
#include "systemserial.h"

QStringList ComPortList;
std::int32_t ComPortNumber = 0;
std::int32_t ComBaudRate = 9600;
std::uint8_t ComDataBits = 8;
char ComParity = 'N';
std::uint8_t ComStopBits = 1;
bool ComPortOpen = false;

namespace {
// The port while it is held (open, or held after a failed configuration). Shared with the wait
// that runs on it: a handler that runs inside the wait may close the port, and the line must
// outlive the wait all the same.
std::shared_ptr<SerialLine> ComHandle;
PortScan unitScan;
SerialLineFactory lineFactory;

Outcome refused(const QString& path, SerialLine::Refusal why, const QString& words)
{
    QString reason = QStringLiteral("%1: %2").arg(path, words);
    switch (why) {
    case SerialLine::Refusal::NoDevice:
        reason += QStringLiteral("\nThe device is not there: was the adapter unplugged?");
        break;
    case SerialLine::Refusal::Permission:
        reason += QStringLiteral("\nYour user may need to be in the group that owns the device "
                                 "(often \"dialout\"); log in again after joining it.");
        break;
    case SerialLine::Refusal::Busy:
        reason += QStringLiteral("\nAnother program has the port open.");
        break;
    default:
        break;
    }
    return Outcome::failure(reason);
}

[[nodiscard]] bool lineUsable()
{
    return ComPortOpen && ComHandle && !ComHandle->lost();
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
        ComEnumeratePorts(ComHighestPort, ComPortList, unitScan());
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
    const QString path = SystemSerial::devicePath(port, ComPortField(ComFindByNumber(port), 2));
    if (path.isEmpty())
        return Outcome::failure(QStringLiteral("COM%1 is not among the detected ports.").arg(port));
    std::unique_ptr<SerialLine> line = lineFactory ? lineFactory() : SystemSerial::makeLine();
    if (const SerialLine::Opened opened = line->open(path); !opened.ok())
        return refused(path, opened.refusal, opened.words);
    ComHandle = std::move(line);
    if (!ComSetParams(baud, dataBits, parity, stopBits))
        return Outcome::failure(QStringLiteral("%1: %2").arg(path, ComHandle->errorString()));
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
    return ComHandle && ComHandle->configure({baud, dataBits, parity, stopBits});
}

void ComClose()
{
    ComPortOpen = false;
    // The device is released now, also while a wait still holds the line.
    if (const std::shared_ptr<SerialLine> line = std::exchange(ComHandle, nullptr))
        line->close();
}

void ComResetDevice()
{
    if (ComPortOpen && ComHandle)
        ComHandle->resetDevice();
}

void ComWrite(const QByteArray& bytes)
{
    if (lineUsable())
        ComHandle->write(bytes);
}

int ComReadAvailable(QByteArray& bytes)
{
    bytes.clear();
    if (!ComPortOpen || !ComHandle)
        return 0;
    bytes = ComHandle->readAvailable();
    return static_cast<int>(bytes.size());
}

void ComWaitForData(std::int64_t maxMilliseconds)
{
    if (!lineUsable()) {
        ComDelayWithMessages(maxMilliseconds);
        return;
    }
    const std::shared_ptr<SerialLine> line = ComHandle; // alive until the wait is over
    line->waitForData(maxMilliseconds);
}

std::int64_t ComClockMs()
{
    return ComHandle ? ComHandle->clockMs() : SerialLine::systemClockMs();
}

void ComDelayWithMessages(std::int64_t milliseconds)
{
    if (const std::shared_ptr<SerialLine> line = ComHandle) // alive until the wait is over
        line->delay(milliseconds);
    else
        DelayWithMessages(milliseconds);
}

void ComUseLines(SerialLineFactory factory)
{
    lineFactory = std::move(factory);
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

QString ComPortDescription(int index)
{
    const QString path = ComPortField(index, 2);
    return path.isEmpty() ? QString() : SystemSerial::describe(path);
}

bool ComLineLost()
{
    return ComPortOpen && ComHandle && ComHandle->lost();
}
