#pragma once

#include "outcome.h"
#include "outputnaming.h"
#include "receivedpicture.h"

#include <QByteArray>
#include <QString>

// Turns a received picture into the bytes of the output file and writes them.
class PictureOutput {
public:
    // BMP: the received file itself (palette patched, padding cut). PNG: the same picture.
    // `printable` writes the copy for paper instead, in either format.
    static Outcome encode(const ReceivedPicture& received, OutputNaming::Format format,
                          bool printable, QByteArray& bytes);
    // Replaces the file as a whole, so no partial file is ever under its name; "-" is
    // standard output.
    static Outcome write(const QByteArray& bytes, const QString& name);
    // As write(); when that fails, the bytes go to a free name beside it or, failing that, in
    // the temporary folder, and `keptAs` says where (empty when nowhere). A received picture is
    // never lost to a full disk or a folder that changed during the transfer.
    static Outcome writeKeeping(const QByteArray& bytes, const QString& name, QString& keptAs);
    // Whether `folder` takes the output file `name` (empty for names not known yet): it exists
    // and takes new files, or `name` is there and writable (written in place). Empty: nothing
    // to check (standard output).
    static Outcome canWriteInto(const QString& folder, const QString& name);
};
