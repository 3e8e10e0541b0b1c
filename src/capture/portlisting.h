#pragma once

#include "exitstatus.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// The ports the window offers, numbered as it numbers them, for the user who looks for the
// instrument among them: one line each, "COMn", device path and what the system says the
// device is, separated by tabs.
class PortListing {
public:
    [[nodiscard]] static QStringList lines(const QString& iniPath);
    // The lines to `out`; without a port, says so to `err`. Listing is no failure either way.
    static ExitStatus print(const QString& iniPath, std::FILE* out, std::FILE* err);
};
