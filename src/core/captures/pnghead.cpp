#include "pnghead.h"

#include <QByteArrayView>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace {
constexpr QByteArrayView Signature{"\x89PNG\r\n\x1a\n", 8};
constexpr QByteArrayView End{"\0\0\0\0IEND\xAE\x42\x60\x82", 12};
constexpr qint64 MostText = 64 * 1024;      // a field larger than this is no note
constexpr qint64 MostCompressed = 4 * 1024; // inflates to 4 MiB at most
constexpr quint32 MostLength = 0x7FFFFFFF;  // PNG's own bound on a chunk and a side
constexpr qsizetype HeaderLength = 13;

constexpr std::array<std::uint32_t, 256> CrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// PNG's CRC-32, over the chunk's type and data.
std::uint32_t crcOf(QByteArrayView bytes)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = CrcTable[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

quint32 bigEndian(QByteArrayView bytes, qsizetype at)
{
    return qFromBigEndian<quint32>(bytes.data() + at);
}

bool endsWhole(QIODevice& device)
{
    const qint64 size = device.size();
    return size >= Signature.size() + End.size() && device.seek(size - End.size()) &&
           device.read(End.size()) == End && device.seek(0) &&
           device.read(Signature.size()) == Signature;
}

struct Chunk {
    QByteArray type;
    QByteArray data; // empty when not read
    bool sound = false;
};

bool isText(QByteArrayView type)
{
    return type == "tEXt" || type == "zTXt" || type == "iTXt";
}

// The header, and text fields of a note's size; the rest is passed over.
bool wanted(QByteArrayView type, quint32 length)
{
    return type == "IHDR" || (isText(type) && length <= MostText);
}

// The chunk at the device's position, its data read when wanted.
std::optional<Chunk> nextChunk(QIODevice& device)
{
    const QByteArray frame = device.read(8);
    if (frame.size() != 8)
        return std::nullopt;
    const quint32 length = bigEndian(frame, 0);
    const qint64 after = device.pos() + length + 4;
    if (length > MostLength || after > device.size())
        return std::nullopt;
    Chunk chunk{frame.sliced(4), {}, false};
    if (!wanted(chunk.type, length))
        return device.seek(after) ? std::optional(chunk) : std::nullopt;
    chunk.data = device.read(length);
    const QByteArray crc = device.read(4);
    if (chunk.data.size() != qsizetype(length) || crc.size() != 4)
        return std::nullopt;
    chunk.sound = crcOf(chunk.type + chunk.data) == bigEndian(crc, 0);
    return chunk;
}

std::optional<QSize> sizeOf(const Chunk& header)
{
    if (header.type != "IHDR" || header.data.size() != HeaderLength || !header.sound)
        return std::nullopt;
    const quint32 width = bigEndian(header.data, 0);
    const quint32 height = bigEndian(header.data, 4);
    if (width == 0 || height == 0 || width > MostLength || height > MostLength)
        return std::nullopt;
    return QSize(int(width), int(height));
}

// zlib's stream; qUncompress wants the inflated size first, which it takes as a first guess.
std::optional<QByteArray> inflated(QByteArrayView compressed)
{
    if (compressed.size() > MostCompressed)
        return std::nullopt;
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(quint32(compressed.size() * 4), framed.data());
    framed += compressed;
    QByteArray text = qUncompress(framed);
    if (text.isEmpty())
        return std::nullopt;
    return text;
}

// Splits off the text up to the next NUL; nothing when there is none.
std::optional<QByteArrayView> field(QByteArrayView& rest)
{
    const qsizetype nul = rest.indexOf('\0');
    if (nul < 0)
        return std::nullopt;
    const QByteArrayView text = rest.first(nul);
    rest = rest.sliced(nul + 1);
    return text;
}

// The keyword and the text of a tEXt, zTXt or iTXt chunk.
std::optional<std::pair<QString, QString>> textOf(const Chunk& chunk)
{
    QByteArrayView rest = chunk.data;
    const auto keyword = field(rest);
    if (!keyword || keyword->isEmpty())
        return std::nullopt;
    const QString key = QString::fromLatin1(*keyword);
    if (chunk.type == "tEXt")
        return std::pair(key, QString::fromLatin1(rest));
    if (chunk.type == "zTXt") {
        const auto text =
            rest.size() >= 1 && rest[0] == 0 ? inflated(rest.sliced(1)) : std::nullopt;
        return text ? std::optional(std::pair(key, QString::fromLatin1(*text))) : std::nullopt;
    }
    if (rest.size() < 2)
        return std::nullopt;
    const bool compressed = rest[0] != 0;
    rest = rest.sliced(2);
    if (!field(rest) || !field(rest)) // the language, the translated keyword
        return std::nullopt;
    const auto text = compressed ? inflated(rest) : std::optional(rest.toByteArray());
    return text ? std::optional(std::pair(key, QString::fromUtf8(*text))) : std::nullopt;
}
} // namespace

std::optional<PngHead> PngHead::read(QIODevice& device)
{
    if (!endsWhole(device))
        return std::nullopt;
    const auto header = nextChunk(device);
    const auto size = header ? sizeOf(*header) : std::nullopt;
    if (!size)
        return std::nullopt;
    PngHead head;
    head.size_ = *size;
    for (auto chunk = nextChunk(device); chunk; chunk = nextChunk(device)) {
        if (chunk->type == "IDAT")
            return head;
        if (chunk->type == "IEND")
            return std::nullopt; // no pixels
        if (chunk->sound && isText(chunk->type))
            if (auto text = textOf(*chunk))
                head.texts_.insert(text->first, text->second);
    }
    return std::nullopt;
}
