#include "pictureoutput.h"

#include "captureoptions.h"
#include "filehelpers.h"
#include "filenames.h"
#include "pictureio.h"
#include "printablepicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {
Outcome writeStandardOutput(const QByteArray& bytes)
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY); // a picture, not text with line ends to translate
#endif
    QFile out;
    const auto failed = [&out] {
        // SIGPIPE is ignored (main), so a reader that has gone shows here.
        if (errno == EPIPE)
            return Outcome::failure(
                QStringLiteral("Standard output was closed before the picture was written."));
        return Outcome::failure(
            QStringLiteral("Cannot write to standard output: %1").arg(out.errorString()));
    };
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return failed();
        done += written;
    }
    // What the C library still holds fails here, not unnoticed at exit.
    return out.flush() ? Outcome() : failed();
}
} // namespace

Outcome PictureOutput::encode(const ReceivedPicture& received, OutputNaming::Format format,
                              bool printable, QByteArray& bytes)
{
    bytes.clear();
    if (format == OutputNaming::Format::Bmp && !printable) {
        bytes = received.trimmedFile();
        return {};
    }
    const QImage picture = printable ? PrintablePicture(received.image()) : received.image();
    const char* kind = format == OutputNaming::Format::Bmp ? "BMP" : "PNG";
    bytes = PictureIo::encode(picture, kind);
    if (bytes.isEmpty())
        return Outcome::failure(
            QStringLiteral("The picture could not be encoded as %1.").arg(kind));
    return {};
}

Outcome PictureOutput::write(const QByteArray& bytes, const QString& name)
{
    if (name == CaptureOptions::StandardOutput)
        return writeStandardOutput(bytes);
    return StringToFile(bytes, name);
}

Outcome PictureOutput::writeKeeping(const QByteArray& bytes, const QString& name, QString& keptAs)
{
    keptAs.clear();
    const Outcome written = write(bytes, name);
    if (written || name == CaptureOptions::StandardOutput)
        return written;
    const QFileInfo wanted(name);
    for (const QString& folder : {wanted.absolutePath(), QDir::tempPath()}) {
        const QString other = FileNames::freeIn(folder, wanted.fileName());
        if (StringToFile(bytes, other)) {
            keptAs = QDir::toNativeSeparators(other);
            break;
        }
    }
    return written;
}

Outcome PictureOutput::canWriteInto(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return {};
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QFileInfo(folder).isDir())
        return Outcome::failure(QStringLiteral("%1: no such folder.").arg(shown));
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orvisnap-XXXXXX")));
    if (probe.open())
        return {};
    const QFileInfo existing(name);
    if (!name.isEmpty() && existing.isFile() && existing.isWritable())
        return {};
    return Outcome::failure(
        QStringLiteral("%1: the folder takes no new files (%2).").arg(shown, probe.errorString()));
}
