#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// One port of the serial unit's list as a value: its number, its display name COMn and its
// device path. ComPortList holds each as text, "n,COMn,path", which is its stated form.
struct PortRecord {
    std::int32_t number = 0;
    QString name;
    QString path;

    // For port `number` on `path`; nothing for a path that a record cannot carry (a comma would
    // split it in the wrong place).
    [[nodiscard]] static std::optional<PortRecord> of(std::int32_t number, const QString& path);
    // The record a text of the list holds.
    [[nodiscard]] static PortRecord parse(const QString& text);
    [[nodiscard]] QString text() const;
    // Field 0, 1 or 2 as the list's text has it; empty for any other.
    [[nodiscard]] QString field(int index) const;
};
