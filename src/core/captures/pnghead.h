#pragma once

#include <QHash>
#include <QIODevice>
#include <QSize>
#include <QString>

#include <optional>

// What a PNG says before its pixels: its size and its text fields (tEXt, zTXt, iTXt), read
// without decoding an image. QImageReader cannot stand in: it hands on the text fields joined
// into one description and split again at the first space, which loses every keyword that has
// one ("Creation Time"), and it folds runs of spaces in the values.
class PngHead {
public:
    // Nothing when `device` (open, seekable) holds no PNG, or one cut short: a PNG's last chunk
    // is IEND, so a file that lacks it is not whole. Chunks whose checksum fails are passed over,
    // as are text fields too large for a note.
    [[nodiscard]] static std::optional<PngHead> read(QIODevice& device);

    [[nodiscard]] QSize size() const { return size_; }
    // Empty when the PNG has no such field before its pixels.
    [[nodiscard]] QString text(const QString& keyword) const { return texts_.value(keyword); }

private:
    QSize size_;
    QHash<QString, QString> texts_;
};
