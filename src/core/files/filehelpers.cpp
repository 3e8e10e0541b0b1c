#include "filehelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
Outcome writeFailure(const QString& fileName, const QString& reason)
{
    return Outcome::failure(
        QCoreApplication::translate("FileHelpers", "Cannot write %1: %2").arg(fileName, reason));
}

// Unbuffered: through the buffer, a short write (full disk, size limit) goes unnoticed.
// Writing the rest again brings out the system's reason.
bool writeAll(QFileDevice& file, QByteArrayView data)
{
    for (qsizetype done = 0; done < data.size();) {
        const qint64 written = file.write(data.data() + done, data.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// For a folder that takes no new files. The room the new text needs beyond the old length is
// taken first, by writing past the end, and given back when it is not there: the old text is
// not touched until the new one is sure to fit. Then one write over the whole file (overwriting
// takes no room), and the length last, so that no tail of a longer old text stays.
Outcome rewriteInPlace(const QByteArray& data, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return writeFailure(fileName, file.errorString());
    const qint64 oldSize = file.size();
    if (data.size() > oldSize &&
        !(file.seek(oldSize) && writeAll(file, QByteArrayView(data).sliced(oldSize)))) {
        const QString reason = file.errorString();
        (void)file.resize(oldSize);
        return writeFailure(fileName, reason);
    }
    if (!file.seek(0) || !writeAll(file, data) || !file.resize(data.size()))
        return writeFailure(fileName, file.errorString());
    return {};
}
} // namespace

Outcome FileToString(const QString& fileName, QByteArray& data)
{
    data.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(QCoreApplication::translate("FileHelpers", "Cannot open %1: %2")
                                    .arg(fileName, file.errorString()));
    data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        data.clear();
        return Outcome::failure(QCoreApplication::translate("FileHelpers", "Cannot read %1: %2")
                                    .arg(fileName, file.errorString()));
    }
    return {};
}

Outcome StringToFile(const QByteArray& data, const QString& fileName)
{
    // Written beside the target and renamed over it, so a crash never leaves a torn file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QFileInfo existing(fileName);
        if (existing.isFile() && existing.isWritable())
            return rewriteInPlace(data, fileName);
        return writeFailure(fileName, file.errorString());
    }
    if (!writeAll(file, data))
        return writeFailure(fileName, file.errorString()); // the temporary file goes with `file`
    return file.commit() ? Outcome() : writeFailure(fileName, file.errorString());
}
