#include "receivedpicture.h"

#include "bmpheader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

namespace {
QString sizeProblemOf(const QByteArray& received)
{
    const std::optional<std::int64_t> size = ExpectedBmpSize(received);
    if (!size || (*size <= received.size() && received.size() - *size < ReceivedPicture::BlockData))
        return {};
    return QCoreApplication::translate("ReceivedPicture",
                                       "Its header states %1 bytes; %2 bytes arrived.")
        .arg(*size)
        .arg(received.size());
}
} // namespace

ReceivedPicture::ReceivedPicture(const QByteArray& received) : sizeProblem_(sizeProblemOf(received))
{
    if (!sizeProblem_.isEmpty()) {
        file_ = received;
        return;
    }
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
    // A stated size outside the padding is not believed, and the file is kept whole.
    const std::optional<std::int64_t> size = ExpectedBmpSize(file_);
    if (!size || *size > file_.size() || file_.size() - *size >= BlockData)
        return file_;
    return file_.left(static_cast<qsizetype>(*size));
}
