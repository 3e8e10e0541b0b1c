#pragma once

#include <QString>

#include <functional>

// The folder the window works in: the working file "TMP.BMP" is written there, and the file
// dialogs start there. It is the current folder, unless that folder takes no new files or is
// the installed program's own folder (a Start-menu entry starts the program in Program Files):
// then the user's Pictures folder, where a user looks for a picture, else the local data folder.
class WorkingFolder {
public:
    // Changes into the folder chosen for the running program; gives the folder.
    static QString enter();

    // `takesFiles` tells whether a folder takes new files. Empty candidates are skipped; with
    // none left, the current folder stays.
    [[nodiscard]] static QString choose(const QString& current, bool currentIsInstallFolder,
                                        const QStringList& fallbacks,
                                        const std::function<bool(const QString&)>& takesFiles);
    [[nodiscard]] static bool takesNewFiles(const QString& folder);
};
