#include "myserial.h"

#include "lineopening.h"
#include "portrecord.h"
#include "systemserial.h"

#include <QCoreApplication>

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
    for (int n = 1; n <= count; ++n)
        if (const auto record = PortRecord::of(n, probe ? probe(n) : QString()))
            list.append(record->text());
}

namespace {
[[nodiscard]] std::optional<PortRecord> recordAt(int index)
{
    if (index < 0 || index >= ComPortList.size())
        return std::nullopt;
    return PortRecord::parse(ComPortList.at(index));
}

// The last record that matches, as the list is scanned whole.
template <typename Match> [[nodiscard]] int findLast(Match matches)
{
    int found = -1;
    for (int i = 0; i < ComPortList.size(); ++i)
        if (matches(PortRecord::parse(ComPortList.at(i))))
            found = i;
    return found;
}
} // namespace

QString ComPortField(int index, int field)
{
    const std::optional<PortRecord> record = recordAt(index);
    return record ? record->field(field) : QString();
}

int ComFindByName(const QString& name)
{
    return findLast([&name](const PortRecord& record) { return record.name == name; });
}

int ComFindByNumber(std::int32_t number)
{
    return findLast([number](const PortRecord& record) { return record.number == number; });
}

std::int32_t ComPortNumberAt(int index)
{
    const std::optional<PortRecord> record = recordAt(index);
    return record ? record->number : -1;
}

Outcome ComDeviceOf(std::int32_t port, QString& device)
{
    device = SystemSerial::devicePath(port, ComPortField(ComFindByNumber(port), 2));
    if (device.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("MySerial", "COM%1 is not among the detected ports.")
                .arg(port));
    return {};
}

Outcome ComOpenChecked(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
                       std::uint8_t stopBits)
{
    ComPortOpen = false;
    QString path;
    if (Outcome known = ComDeviceOf(port, path); !known)
        return known;
    std::shared_ptr<SerialLine> line = MakeSerialLine();
    if (Outcome opened = OpenDevice(*line, path); !opened)
        return opened;
    ComHandle = std::move(line); // held, also when the configuration fails
    if (Outcome configured = ConfigureLine(*ComHandle, path, {baud, dataBits, parity, stopBits});
        !configured)
        return configured;
    ComPortOpen = true;
    return {};
}

bool ComOpen(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
             std::uint8_t stopBits)
{
    return ComOpenChecked(port, baud, dataBits, parity, stopBits).ok();
}

std::shared_ptr<SerialLine> ComLine()
{
    return ComPortOpen ? ComHandle : nullptr;
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

void ComUseLines(SerialLineFactory factory)
{
    lineFactory = std::move(factory);
}

std::unique_ptr<SerialLine> MakeSerialLine()
{
    return lineFactory ? lineFactory() : SystemSerial::makeLine();
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
