#pragma once

#include <QString>

// Where the running program lies, and whether it was installed there (package, installer)
// rather than unpacked or built: the settings file and the working folder both follow from it.
class ProgramFolder {
public:
    // The running executable's folder, ending in "/".
    [[nodiscard]] static QString executableFolder();
    // Whether the executable in `exeDir` was installed.
    [[nodiscard]] static bool installedAt(const QString& exeDir);
};
