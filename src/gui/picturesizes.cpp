#include "picturesizes.h"

#include <algorithm>

namespace {
constexpr PictureSize Rows[] = {
    {"pictureSize128Action", "128x64", 1, {130, 66}, "TXT128x64", 50},
    {"pictureSize256Action", "256x128", 2, {258, 130}, "TXT256x128", 108},
    {"pictureSize512Action", "512x256", 3, {514, 258}, "TXT512x256", 230},
};

template <typename Matches> const PictureSize* find(Matches matches)
{
    const auto* row = std::find_if(std::begin(Rows), std::end(Rows), matches);
    return row == std::end(Rows) ? nullptr : row;
}
} // namespace

std::span<const PictureSize> PictureSizes::all()
{
    return Rows;
}

const PictureSize* PictureSizes::withBmpRes(int bmpRes)
{
    return find([bmpRes](const PictureSize& row) { return row.bmpRes == bmpRes; });
}
