#pragma once

#include <QDateTime>
#include <QString>

// Names the program proposes for the files it writes.
class FileNames {
public:
    // "DSO_" + yyyy-MM-dd_HH-mm-ss + "." + extension, e.g. DSO_2026-12-06_19-05-07.bmp; no folder.
    [[nodiscard]] static QString stamped(const QDateTime& when, const QString& extension);
    // The path of `name` in `folder`, or, when that is taken, of the first free one of
    // name_2.ext, name_3.ext, ... (the number goes before the last extension).
    [[nodiscard]] static QString freeIn(const QString& folder, const QString& name);
};
