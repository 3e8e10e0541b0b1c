#include "filehelpers.h"

#include <QFile>
#include <QSaveFile>

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

Outcome FileToString(const QString& fileName, QByteArray& data)
{
    data.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(
            QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString()));
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        data.clear();
        return Outcome::failure(
            QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString()));
    }
    return {};
}

Outcome StringToFile(const QByteArray& data, const QString& fileName)
{
    const auto failed = [&fileName](const QSaveFile& file) {
        return Outcome::failure(
            QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    };
    // Written beside the target and renamed over it, so a crash never leaves a torn file.
    // Unbuffered: through the buffer, a short write (full disk, size limit) goes unnoticed and
    // the truncated file is committed. Writing the rest again brings out the system's reason.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file);
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = file.write(data.constData() + done, data.size() - done);
        if (written <= 0)
            return failed(file); // the temporary file goes with `file`
        done += written;
    }
    return file.commit() ? Outcome() : failed(file);
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

std::optional<std::int64_t> DeclaredBmpSize(const QByteArray& data)
{
    // The smallest BMP (core header, one pixel) has 26 bytes; 64 MiB is far beyond any screen.
    constexpr std::int64_t Smallest = 26;
    constexpr std::int64_t Largest = std::int64_t{64} << 20;
    if (data.size() < 6 || !data.startsWith("BM"))
        return std::nullopt;
    std::int64_t size = 0;
    for (int i = 5; i >= 2; --i)
        size = size * 256 + static_cast<unsigned char>(data[i]);
    if (size < Smallest || size > Largest)
        return std::nullopt;
    return size;
}

Outcome PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green,
                     std::uint8_t blue)
{
    QByteArray data;
    if (Outcome read = FileToString(fileName, data); !read)
        return read;
    if (!PatchBMPBytes(data, red, green, blue))
        return Outcome::failure(
            QStringLiteral("%1 is too short for a colour table.").arg(fileName));
    return StringToFile(data, fileName);
}
