#pragma once

#include "outcome.h"
#include "portprobe.h"
#include "serialline.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

// The program's one serial port and the settings shown to the user. Unit state lives from
// ComStartUnit to ComStopUnit; everything runs on the GUI thread.

extern QStringList ComPortList; // records "n,COMn,device path", ascending n
extern std::int32_t ComPortNumber;
extern std::int32_t ComBaudRate;
extern std::uint8_t ComDataBits;
extern char ComParity;           // N, O, E, M or S
extern std::uint8_t ComStopBits; // 1 = one, 2 = two, 3 = one and a half
extern bool ComPortOpen;

inline constexpr std::array<std::int32_t, 10> ComBaudRates{110,  300,   1200,  2400,  4800,
                                                           9600, 19200, 38400, 57600, 115200};
// The numbers the program gives the system's ports where the system has none of its own.
inline constexpr int ComMaxPorts = 30;
// The unit lists the ports up to this number: Windows numbers its ports itself, up to COM4096
// (the bound of its COM name arbiter).
inline constexpr int ComHighestPort = 4096;

// Starts the unit: keeps the scan, detects ports 1 to ComHighestPort with it, takes the first as
// ComPortNumber and sets 9600,8,N,1. Starting again first ends the unit.
void ComStartUnit(PortScan scan);
// A probe that looks at its source anew at every call serves as its own scan.
void ComStartUnit(const PortProbe& probe);
// Ends the unit: frees the port list, closes the port and forgets the scan.
void ComStopUnit();
// Detects the ports again with the scan kept at start, so that ports plugged in or pulled out
// since are seen. ComPortNumber stays as it is. Does nothing before the unit has started.
void ComRefreshPorts();

// The unit from construction to destruction.
class MySerialUnit {
public:
    explicit MySerialUnit(PortScan scan) { ComStartUnit(std::move(scan)); }
    explicit MySerialUnit(const PortProbe& probe) { ComStartUnit(probe); }
    ~MySerialUnit() { ComStopUnit(); }
    MySerialUnit(const MySerialUnit&) = delete;
    MySerialUnit& operator=(const MySerialUnit&) = delete;
};

void ComEnumeratePorts(int count, QStringList& list, const PortProbe& probe);
// Index outside ComPortList: empty text, and -1 from ComPortNumberAt.
[[nodiscard]] QString ComPortField(int index, int field);
[[nodiscard]] int ComFindByName(const QString& name);
[[nodiscard]] int ComFindByNumber(std::int32_t number);
[[nodiscard]] std::int32_t ComPortNumberAt(int index);
// What the system says the device of record `index` is, so that the user can tell ports apart;
// empty when it says nothing.
[[nodiscard]] QString ComPortDescription(int index);

// The device of port `port`: the path its record gives, or the system's own name for that
// number; a failure names the port when there is neither.
Outcome ComDeviceOf(std::int32_t port, QString& device);
// Opens and configures the port. A failure names the device and tells a missing device, a
// missing permission and a port that another program holds apart.
Outcome ComOpenChecked(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
                       std::uint8_t stopBits);
[[nodiscard]] bool ComOpen(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
                           std::uint8_t stopBits);
[[nodiscard]] bool ComSetParams(std::int32_t baud, std::uint8_t dataBits, char parity,
                                std::uint8_t stopBits);
void ComClose();
void ComResetDevice();
void ComWrite(const QByteArray& bytes);
int ComReadAvailable(QByteArray& bytes);
// The open port's line, or none; a download runs on it (UnitPort).
[[nodiscard]] std::shared_ptr<SerialLine> ComLine();

[[nodiscard]] std::uint8_t ParityCode(char letter);
[[nodiscard]] std::uint8_t StopBitsCode(std::uint8_t code);

// Whether the open line has gone away (adapter unplugged, device closed).
[[nodiscard]] bool ComLineLost();

// Makes the lines that the next opens use; an empty factory gives the system's own again. Tests
// hand in scripted lines this way.
using SerialLineFactory = std::function<std::unique_ptr<SerialLine>()>;
void ComUseLines(SerialLineFactory factory);
// A closed line of the kind the next open uses.
[[nodiscard]] std::unique_ptr<SerialLine> MakeSerialLine();
