#include "receivedpicture.h"

#include "filehelpers.h"

#include <QBuffer>
#include <QImageReader>

ReceivedPicture::ReceivedPicture(const QByteArray& received)
{
    QByteArray patched = received;
    PatchBMPBytes(patched, PatchRed, PatchGreen, PatchBlue);
    QBuffer buffer(&patched);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    image_ = reader.read();
    file_ = image_.isNull() ? received : patched;
}

QByteArray ReceivedPicture::trimmedFile() const
{
    // XModem pads the last block to 128 bytes; a stated size outside that padding is not
    // believed, and the file is kept whole.
    constexpr std::int64_t BlockData = 128;
    const std::optional<std::int64_t> size = DeclaredBmpSize(file_);
    if (!size || *size > file_.size() || file_.size() - *size >= BlockData)
        return file_;
    return file_.left(static_cast<qsizetype>(*size));
}
