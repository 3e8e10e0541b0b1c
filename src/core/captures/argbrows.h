#pragma once

#include <QImage>

#include <array>
#include <vector>

// The rows of a picture as 32-bit ARGB words, whatever its format: read in place where they
// are such words already, looked up row by row in a palette picture's colour table (Qt's own
// conversion of a whole screen takes milliseconds), converted once for any other format.
class ArgbRows {
public:
    explicit ArgbRows(const QImage& picture);

    // Valid until the next call.
    [[nodiscard]] const QRgb* row(int y);

private:
    QImage picture_;
    bool indexed_ = false;
    std::array<QRgb, 256> table_{};
    std::vector<QRgb> buffer_;
};
