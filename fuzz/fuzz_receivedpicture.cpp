// The received file's road to the screen, as the download takes it: the palette patch, then
// Qt's BMP reader, then the padding cut for the saved file. The input is the received data.
//
// Nothing may crash or allocate without bound: a header may declare any size, and Qt's image
// allocation limit (QImageReader::allocationLimit) must refuse huge ones before allocating.
// The patch touches bytes 58 to 60 only, bytes that are no picture are kept as they came, a
// picture fits the size its header states, and the cut removes no more than the padding of the
// last block, and only where the header says so.

#include "bmpheader.h"
#include "filehelpers.h"
#include "fuzzcheck.h"
#include "receivedpicture.h"

namespace {
void checkFile(const QByteArray& received, const ReceivedPicture& picture)
{
    if (!picture.isPicture()) {
        require(picture.file() == received, "bytes that are no picture are kept as they came");
        return;
    }
    require(picture.file().size() == received.size(), "the patch keeps the size");
    if (const auto declared = ExpectedBmpSize(received))
        require(*declared <= received.size() && received.size() - *declared < 128,
                "a picture fits the size its header states, padding aside");
    require(!picture.image().isNull() && picture.image().width() > 0, "a picture has pixels");
    if (received.size() < 61) {
        // Qt reads a few such tiny files; with no entry 1 to patch, nothing is written.
        require(picture.file() == received, "a file too short for entry 1 is left alone");
        return;
    }
    require(picture.file().left(58) == received.left(58) &&
                picture.file().mid(61) == received.mid(61),
            "the patch touches bytes 58 to 60 only");
    require(picture.file().mid(58, 3) == QByteArray("\x00\xFF\xF0", 3),
            "entry 1 becomes red 240, green 255, blue 0");
}

void checkTrim(const ReceivedPicture& picture)
{
    const QByteArray& file = picture.file();
    const QByteArray trimmed = picture.trimmedFile();
    require(file.startsWith(trimmed), "the cut file is the start of the file");
    require(file.size() - trimmed.size() < 128, "no more than a block's padding is cut");
    if (trimmed.size() < file.size())
        require(ExpectedBmpSize(file) == trimmed.size(), "the cut is where the header says");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    // Qt's reader warns about every bad offset; the properties are what counts here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray received = bytesOf(data, size);
    if (const auto declared = ExpectedBmpSize(received))
        require(received.startsWith("BM") && *declared >= 26 && *declared <= (64 << 20),
                "a declared size is believed only within bounds");
    const ReceivedPicture picture(received);
    checkFile(received, picture);
    checkTrim(picture);
    return 0;
}
