#pragma once

#include "comportinfo.h"
#include "outcome.h"

#include <QList>
#include <QMap>

#include <cstdint>
#include <optional>

// The machine's serial ports as COM numbers, ascending: a value made when the ports are looked
// at, so that ports plugged in or pulled out later are seen only by the next look.
class ComPortList {
public:
    // Windows numbers its ports itself, up to COM4096 (the bound of its COM name arbiter).
    static constexpr std::int32_t HighestNumber = 4096;

    ComPortList() = default;
    // Port number to device path.
    explicit ComPortList(const QMap<int, QString>& devices);

    // The system's ports now, with `pinned` numbers (the settings file's [Ports]: a number to a
    // device path) where the system does not number its ports itself.
    [[nodiscard]] static ComPortList detect(const QMap<int, QString>& pinned);
    // The same list with what the system says about each device: slow for some devices, so
    // asked only when the user is to choose.
    [[nodiscard]] ComPortList described() const;

    [[nodiscard]] const QList<ComPortInfo>& ports() const { return ports_; }
    [[nodiscard]] bool isEmpty() const { return ports_.isEmpty(); }
    [[nodiscard]] std::optional<ComPortInfo> find(std::int32_t number) const;
    // The device that port `number` opens: its path in the list, or the system's own name for
    // that number (Windows); a failure names the port.
    [[nodiscard]] Outcome deviceOf(std::int32_t number, QString& device) const;

private:
    QList<ComPortInfo> ports_;
};
