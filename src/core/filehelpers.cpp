#include "filehelpers.h"

#include <QFile>
#include <QSaveFile>

namespace {
void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

QString MakeHexStr(const QByteArray& data)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(data.size() * 3 + (data.size() / 16) * 2);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        text += QLatin1Char(digits[byte >> 4]);
        text += QLatin1Char(digits[byte & 0x0F]);
        text += QLatin1Char(' ');
        if ((i + 1) % 16 == 0 && i + 1 < data.size())
            text += QLatin1String("\r\n");
    }
    return text;
}

bool FileToString(const QString& fileName, QByteArray& data, QString* error)
{
    data.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString()));
        return false;
    }
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString()));
        data.clear();
        return false;
    }
    return true;
}

QString ReplaceWholeFile(const QString& fileName, const QByteArray& data)
{
    // Written beside the target and renamed over it, so a crash never leaves a torn file.
    // Unbuffered: through the buffer, a short write (full disk, size limit) goes unnoticed and
    // the truncated file is committed. Writing the rest again brings out the system's reason.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return file.errorString(); // the temporary file goes with `file`
        done += written;
    }
    return file.commit() ? QString() : file.errorString();
}

bool StringToFile(const QByteArray& data, const QString& fileName, QString* error)
{
    const QString reason = ReplaceWholeFile(fileName, data);
    if (reason.isEmpty())
        return true;
    setError(error, QStringLiteral("Cannot write %1: %2").arg(fileName, reason));
    return false;
}

bool PatchBMPBytes(QByteArray& data, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    if (data.size() < 61)
        return false;
    data[58] = static_cast<char>(blue);
    data[59] = static_cast<char>(green);
    data[60] = static_cast<char>(red);
    return true;
}

bool PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                  QString* error)
{
    QByteArray data;
    if (!FileToString(fileName, data, error))
        return false;
    if (!PatchBMPBytes(data, red, green, blue)) {
        setError(error, QStringLiteral("%1 is too short for a colour table.").arg(fileName));
        return false;
    }
    return StringToFile(data, fileName, error);
}
