#pragma once

#include <QString>

// A file dialog's settings as the program keeps them between runs of the dialog.
struct FileDialogState {
    QString filter;     // "Description|pattern|Description|pattern"
    QString defaultExt; // appended to a name typed without an extension
    QString fileName;   // proposed name in, chosen path out
};
