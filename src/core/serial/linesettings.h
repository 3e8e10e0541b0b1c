#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The four line settings a serial line is given; everything else is the line's own (flow
// control none).
struct LineSettings {
    enum class Parity { None, Odd, Even, Mark, Space };
    enum class StopBits { One, OneAndHalf, Two };

    // The rates the COM settings dialog offers.
    static constexpr std::array<std::int32_t, 10> BaudRates{110,  300,   1200,  2400,  4800,
                                                            9600, 19200, 38400, 57600, 115200};

    std::int32_t baudRate = 9600;
    std::uint8_t dataBits = 8;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;

    // As serial tools write them: "38400,8,N,1", "9600,7,E,1.5".
    [[nodiscard]] QString text() const;
    [[nodiscard]] static QChar parityLetter(Parity parity);
    [[nodiscard]] static QString stopBitsText(StopBits stopBits);

    friend constexpr bool operator==(const LineSettings&, const LineSettings&) = default;
};
