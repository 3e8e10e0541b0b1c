#pragma once

#include <QString>

class IniDocument;

// Where the program keeps its settings, decided once at start, and when the file found there
// counts as a first run.
//
// The file is "Orvisnap.ini" beside the executable when that folder is writable, or the file
// there already exists and is writable: the portable and the build-folder case. An installed
// program (its desktop entry lies in the install tree beside it), or one whose folder cannot be
// written, keeps it in the user's configuration folder for the program instead
// (~/.config/Orvisnap on Linux), which is created on the first write. One file holds everything,
// [Ports] included.
class SettingsFile {
public:
    static constexpr QLatin1StringView FileName{"Orvisnap.ini"};

    // For the running executable.
    [[nodiscard]] static QString locate();
    [[nodiscard]] static QString locate(const QString& exeDir);
    // The same with the configuration folder given.
    [[nodiscard]] static QString locate(const QString& exeDir, const QString& configDir);

    // A missing file, or one that holds nothing but a [Ports] section (ports mapped before the
    // first start).
    [[nodiscard]] static bool meansFirstRun(const QString& iniPath);
    // The same for the text of a file that exists.
    [[nodiscard]] static bool meansFirstRun(const IniDocument& existing);
};
