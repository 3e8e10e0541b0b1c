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
};
