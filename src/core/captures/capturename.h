#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>
#include <tuple>

// The names of the captures folder's files, as FileNames writes them: "DSO_" + the local time
// as yyyy-MM-dd_HH-mm-ss + ".png", or with "_2", "_3"... before the extension when a name of
// that second was taken. Letter case as written.
class CaptureName {
public:
    static constexpr QLatin1StringView Filter{"DSO_*.png"}; // a first sieve for a folder listing

    // Where a name stands among the others, older first: by its time, then by its number.
    struct Age {
        QString stamp;  // yyyy-MM-dd_HH-mm-ss, which sorts as the time does
        int number = 1; // 1 for the plain name

        friend bool operator<(const Age& a, const Age& b)
        {
            return std::tie(a.stamp, a.number) < std::tie(b.stamp, b.number);
        }
    };

    // Nothing when `fileName` (no folder) is not a capture's name.
    [[nodiscard]] static std::optional<Age> ageOf(QStringView fileName);
    // The local time in the name; invalid when it is not a capture's name.
    [[nodiscard]] static QDateTime timeOf(QStringView fileName);
};
