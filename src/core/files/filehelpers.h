#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>

// Whole-file helpers; a failure names the file and gives the system's reason.
Outcome FileToString(const QString& fileName, QByteArray& data);
// Creates the file or replaces an existing one. Where the folder takes new files, the file is
// replaced as a whole or not at all; in a folder that takes none, an existing writable file is
// emptied and written in place, which is not whole-or-nothing but keeps the save working there.
Outcome StringToFile(const QByteArray& data, const QString& fileName);
