#include "samplefile.h"

#include "bmpencoder.h"
#include "scopepicture.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<std::uint8_t> SampleFile::bmp(std::string_view kind)
{
    if (kind == "small")
        return BmpEncoder::encode(ScopePicture(128, 64, false), 1);
    if (kind == "large")
        return BmpEncoder::encode(ScopePicture(320, 240, true), 24);
    return BmpEncoder::encode(ScopePicture(320, 240, true), 4);
}

// Text of a length that is not a whole number of blocks, so the padding shows.
std::vector<std::uint8_t> SampleFile::notBmp()
{
    std::string text;
    for (int line = 1; line <= 40; ++line)
        text += "Line " + std::to_string(line) + ": this is not a picture.\r\n";
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> SampleFile::read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SampleFile::write(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}
