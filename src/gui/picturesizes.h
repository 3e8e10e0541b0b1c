#pragma once

#include <QSize>
#include <QString>

#include <span>

// One picture size of the Settings menu: its item, the panel it lays out, its value in the
// settings file and the placeholder shown while a download waits.
struct PictureSize {
    const char* actionName; // the menu item's object name
    const char* caption;
    int bmpRes;
    QSize panel; // the picture area plus the 1-pixel bevel on each side
    const char* waitBitmap;
    int counterTop; // of the counter label, in the panel
};

// The picture sizes, in menu order. The menu, the layout and the settings file all follow this
// table: another size is one row and its placeholder picture.
class PictureSizes {
public:
    static constexpr int Standard = 2; // the bmpRes of a first start

    [[nodiscard]] static std::span<const PictureSize> all();
    // Nothing when no row has that value.
    [[nodiscard]] static const PictureSize* withBmpRes(int bmpRes);
};
