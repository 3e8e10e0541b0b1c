#include "filehelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

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
    const auto failed = [&fileName](const QSaveFile& file) {
        return Outcome::failure(QCoreApplication::translate("FileHelpers", "Cannot write %1: %2")
                                    .arg(fileName, file.errorString()));
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
