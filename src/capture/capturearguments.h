#pragma once

#include "captureoptions.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line of orvisnap-capture, read without touching files, ports or the clock.
class CaptureArguments {
public:
    struct Parsed {
        std::optional<CaptureOptions> options; // nothing on bad usage
        QString error;                         // why, for the user, without the program name
    };

    // `arguments` without the program name. "--name value" and "--name=value" both work; a
    // repeated option takes its last value.
    [[nodiscard]] static Parsed parse(const QStringList& arguments);
    [[nodiscard]] static QString usage();
};
