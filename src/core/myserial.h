#pragma once

#include "portprobe.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// The program's one serial port and the settings shown to the user. Unit state lives
// from MySerialUnit's construction to its destruction; everything runs on the GUI thread.

extern QStringList ComPortList; // records "n,COMn,device path", ascending n
extern std::int32_t ComPortNumber;
extern std::int32_t ComBaudRate;
extern std::uint8_t ComDataBits;
extern char ComParity;           // N, O, E, M or S
extern std::uint8_t ComStopBits; // 1 = one, 2 = two, 3 = one and a half
extern bool ComPortOpen;

inline constexpr std::array<std::int32_t, 10> ComBaudRates{110,  300,   1200,  2400,  4800,
                                                           9600, 19200, 38400, 57600, 115200};
inline constexpr int ComMaxPorts = 30;

// Starts the unit: detects ports 1 to 30 with the probe, takes the first as ComPortNumber and
// sets 9600,8,N,1. The destructor frees the list and closes the port.
class MySerialUnit {
public:
    explicit MySerialUnit(const PortProbe& probe);
    ~MySerialUnit();
    MySerialUnit(const MySerialUnit&) = delete;
    MySerialUnit& operator=(const MySerialUnit&) = delete;
};

void ComEnumeratePorts(int count, QStringList& list, const PortProbe& probe);
// Index outside ComPortList: empty text, and -1 from ComPortNumberAt.
[[nodiscard]] QString ComPortField(int index, int field);
[[nodiscard]] int ComFindByName(const QString& name);
[[nodiscard]] int ComFindByNumber(std::int32_t number);
[[nodiscard]] std::int32_t ComPortNumberAt(int index);

[[nodiscard]] bool ComOpen(std::int32_t port, std::int32_t baud, std::uint8_t dataBits, char parity,
                           std::uint8_t stopBits);
[[nodiscard]] bool ComSetParams(std::int32_t baud, std::uint8_t dataBits, char parity,
                                std::uint8_t stopBits);
void ComClose();
void ComResetDevice();
void ComWrite(const QByteArray& bytes);
int ComReadAvailable(QByteArray& bytes);
// Like DelayWithMessages, but also returns as soon as bytes have arrived on the open port.
void ComWaitForData(std::int64_t maxMilliseconds);

[[nodiscard]] std::uint8_t ParityCode(char letter);
[[nodiscard]] std::uint8_t StopBitsCode(std::uint8_t code);

// Not in the original interface: why the last ComOpen failed (for the user's message box),
// and whether the open line has gone away (adapter unplugged, device closed).
[[nodiscard]] QString ComLastError();
[[nodiscard]] bool ComLineLost();
