#pragma once

#include "filehelpers.h"

#include <QByteArray>
#include <QString>
#include <QTest>

// Fixture files through the program's own whole-file helpers.
[[nodiscard]] inline QByteArray ReadTestFile(const QString& path)
{
    QByteArray data;
    return FileToString(path, data) ? data : QByteArray();
}

inline void WriteTestFile(const QString& path, const QByteArray& data)
{
    QVERIFY2(StringToFile(data, path), qPrintable(path));
}
