// A kept picture's head as the captures window reads it from any file in the folder: the PNG
// signature, the chunks up to the pixels and their text fields, plain, compressed or UTF-8.
//
// Nothing may crash or allocate without bound: a chunk may declare any length and a compressed
// field inflate to any size. What is read back is what the file holds: a size only from a whole
// header, and no field beyond what a compressed note may inflate to.

#include "fuzzcheck.h"
#include "pnghead.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = bytesOf(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto head = PngHead::read(buffer);
    if (!head)
        return 0;
    require(bytes.startsWith("\x89PNG\r\n\x1a\n"), "only a PNG has a head");
    require(bytes.endsWith(QByteArray("IEND\xae\x42\x60\x82", 8)), "only a whole PNG is read");
    require(head->size().isValid() && !head->size().isEmpty(), "a head has a size");
    for (const char* key : {"Creation Time", "Port", "Picture Size", "Comment"})
        require(head->text(QLatin1String(key)).size() <= 4 * 1024 * 1024,
                "a field inflates within its bound");
    return 0;
}
