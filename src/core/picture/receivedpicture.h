#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

// The bytes of a finished download as a picture: colour-table entry 1 recoloured, then read by
// Qt's BMP reader. Qt's own allocation limit (QImageReader::allocationLimit, 128 MB here) refuses
// a header that declares a huge picture before anything of that size is allocated. Bytes whose
// header states a file size that the data does not fit (shorter, or longer than the last
// block's padding) are no picture either: blocks were lost or came twice, and Qt's reader would
// show what it could of them. The size is the one the header's picture implies, so that a size
// field of 0 or a wrong one does not let a picture with a block too many through.
class ReceivedPicture {
public:
    // The colour that entry 1 gets: the instrument's dark trace colour turned bright yellow.
    static constexpr std::uint8_t PatchRed = 240;
    static constexpr std::uint8_t PatchGreen = 255;
    static constexpr std::uint8_t PatchBlue = 0;

    explicit ReceivedPicture(const QByteArray& received);

    [[nodiscard]] bool isPicture() const { return !image_.isNull(); }
    [[nodiscard]] const QImage& image() const { return image_; }
    // What the working file keeps: a picture with its patch, or bytes that are no picture just
    // as they came, for inspection.
    [[nodiscard]] const QByteArray& file() const { return file_; }
    // The file without the XModem padding, when the header's size fits the data.
    [[nodiscard]] QByteArray trimmedFile() const;
    // Why bytes that start like a picture are none, when their size tells; else empty.
    [[nodiscard]] const QString& sizeProblem() const { return sizeProblem_; }

    // XModem pads the last block up to this many bytes.
    static constexpr std::int64_t BlockData = 128;

private:
    QString sizeProblem_;
    QByteArray file_;
    QImage image_;
};
