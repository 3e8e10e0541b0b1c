#pragma once

#include "serialline.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <optional>

// The decisions of the Windows serial line, apart from the calls that feed them, so that they
// can be checked on any system. Numbers are those of the Windows headers.
namespace WinCommRules {
// ClearCommError's error word: exactly one of the eleven line-error flags defers the read (the
// bytes stay queued for the next); no flag, or several, let the read go on.
[[nodiscard]] bool defersRead(std::uint32_t errorWord);
// Why CreateFileW refused a port, from GetLastError().
[[nodiscard]] SerialLine::Refusal refusalOf(std::uint32_t lastError);
// A failure with this error means that the device has gone (adapter pulled, driver unloaded);
// other failures count only when they repeat.
[[nodiscard]] bool meansDeviceGone(std::uint32_t lastError);
// Whether a call that ended with this error failed at all: a request that was aborted or
// cancelled (by a purge, a new comm mask, a close) is not a failure of the line.
[[nodiscard]] bool countsAsFailure(std::uint32_t lastError);
// "\\.\COMn": the form that opens every port, also those above COM9.
[[nodiscard]] QString devicePath(std::int32_t port);
// The n of "COMn" or "\\.\COMn" (letters in any case, n from 1 on), else nothing.
[[nodiscard]] std::optional<std::int32_t> portNumberOfName(const QString& name);
// The ports of the names the system lists for its serial devices (the values of
// HKLM\HARDWARE\DEVICEMAP\SERIALCOMM), by number, with their device paths. Names that are no
// COMn (a driver may give its ports other names) are left out.
[[nodiscard]] QMap<int, QString> listedPorts(const QStringList& names);

inline constexpr std::uint8_t DtrControlEnable = 1;
inline constexpr std::uint8_t RtsControlEnable = 1;
inline constexpr char XonChar = 0x11;
inline constexpr char XoffChar = 0x13;

// The block's codes: NOPARITY 0 to SPACEPARITY 4; ONESTOPBIT 0, ONE5STOPBITS 1, TWOSTOPBITS 2.
[[nodiscard]] constexpr std::uint8_t parityCode(LineSettings::Parity parity)
{
    switch (parity) {
    case LineSettings::Parity::Odd:
        return 1;
    case LineSettings::Parity::Even:
        return 2;
    case LineSettings::Parity::Mark:
        return 3;
    case LineSettings::Parity::Space:
        return 4;
    case LineSettings::Parity::None:
        break;
    }
    return 0;
}

[[nodiscard]] constexpr std::uint8_t stopBitsCode(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::OneAndHalf:
        return 1;
    case LineSettings::StopBits::Two:
        return 2;
    case LineSettings::StopBits::One:
        break;
    }
    return 0;
}

// A device control block (DCB) with the four settings.
template <typename Block>
[[nodiscard]] Block withSettings(Block block, const LineSettings& settings)
{
    block.BaudRate = static_cast<std::uint32_t>(settings.baudRate);
    block.ByteSize = settings.dataBits;
    block.Parity = parityCode(settings.parity);
    block.StopBits = stopBitsCode(settings.stopBits);
    return block;
}

// The block for the line that the COM settings dialog shows, over the one the driver reported:
// the four settings, and every member that changes what passes the line set for a binary line
// without flow control. Drivers keep a port's block from one program to the next, so whatever
// the last program left is undone: parity checking, handshakes either way, DSR sensitivity,
// XON/XOFF, error-character replacement, null stripping, abort on error. DTR and RTS are raised,
// as Linux does at every open: some devices send nothing while DTR is low. `rxQueue` is the
// driver's input queue in bytes (0: not told); the XON/XOFF limits follow it, since drivers
// check them even with XON/XOFF off, and the two characters must differ.
template <typename Block>
[[nodiscard]] Block cleanLine(const Block& driver, const LineSettings& settings,
                              std::uint32_t rxQueue)
{
    Block block = withSettings(driver, settings);
    block.fBinary = 1;
    block.fParity = 0;
    block.fOutxCtsFlow = 0;
    block.fOutxDsrFlow = 0;
    block.fDtrControl = DtrControlEnable;
    block.fDsrSensitivity = 0;
    block.fTXContinueOnXoff = 1;
    block.fOutX = 0;
    block.fInX = 0;
    block.fErrorChar = 0;
    block.fNull = 0;
    block.fRtsControl = RtsControlEnable;
    block.fAbortOnError = 0;
    block.wReserved = 0;
    const auto limit = static_cast<std::uint16_t>(std::min<std::uint32_t>(rxQueue / 4, 0xFFFF));
    block.XonLim = limit;
    block.XoffLim = limit;
    block.XonChar = XonChar;
    block.XoffChar = XoffChar;
    return block;
}

// Sets the line with `apply` (SetCommState: true when the driver took the block): the clean
// line, and where the driver refuses it, the four settings alone over its own block, so that an
// adapter that took no more before still works. Whether a block was taken.
template <typename Block, typename Apply>
[[nodiscard]] bool configureLine(const Block& driver, const LineSettings& settings,
                                 std::uint32_t rxQueue, Apply apply)
{
    return apply(cleanLine(driver, settings, rxQueue)) || apply(withSettings(driver, settings));
}
} // namespace WinCommRules
