#pragma once

#include <QIcon>

// The icon of the program's windows: on Windows the built-in 16-pixel picture, elsewhere the
// icon set that is installed for the desktop, so that title bar, task switcher and menu agree.
class AppIcon {
public:
    [[nodiscard]] static QIcon icon();
};
