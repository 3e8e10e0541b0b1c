#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>

// Whole-file helpers; a failure names the file and gives the system's reason.
Outcome FileToString(const QString& fileName, QByteArray& data);
// Creates the file or replaces an existing one, as a whole or not at all: a failure (a full disk,
// a folder that takes nothing) leaves the old file as it was. Where the folder takes no new files
// but the file can be written, it is written in place, and only once the new text is sure to fit.
Outcome StringToFile(const QByteArray& data, const QString& fileName);
