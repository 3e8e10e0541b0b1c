#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Hex dump for the log: two upper-case digits and a space per byte, CR LF after every 16th
// byte except the last.
[[nodiscard]] QString MakeHexStr(const QByteArray& data);

// Whole-file helpers. Failures return false / leave `error` with the path and the system's reason.
[[nodiscard]] bool FileToString(const QString& fileName, QByteArray& data,
                                QString* error = nullptr);
// Replaces the file as a whole or not at all; empty on success, else the system's reason.
[[nodiscard]] QString ReplaceWholeFile(const QString& fileName, const QByteArray& data);
[[nodiscard]] bool StringToFile(const QByteArray& data, const QString& fileName,
                                QString* error = nullptr);

// Sets colour-table entry 1 (offsets 58..60: blue, green, red). Data shorter than 61 bytes has
// no such entry and is left as it is (returns false).
bool PatchBMPBytes(QByteArray& data, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
[[nodiscard]] bool PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green,
                                std::uint8_t blue, QString* error = nullptr);
