#include "capturelog.h"

Outcome CaptureLog::open(const QString& path)
{
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append))
        return Outcome::failure(
            QStringLiteral("Cannot open %1: %2").arg(path, file_.errorString()));
    return {};
}

Outcome CaptureLog::append(const QStringList& lines)
{
    if (!isOpen() || failed_)
        return {};
    QByteArray text;
    // A hex dump arrives as one entry with line breaks inside.
    for (const QString& entry : lines)
        for (const QString& line : entry.split(QStringLiteral("\r\n")))
            text += line.toLocal8Bit() + "\r\n";
    if (file_.write(text) == text.size() && file_.flush())
        return {};
    failed_ = true;
    return Outcome::failure(
        QStringLiteral("Cannot write %1: %2").arg(file_.fileName(), file_.errorString()));
}
