#pragma once

#include <QProxyStyle>

// The menu bar's keyboard navigation of Windows on every system: Alt (and F10) enter the menu
// bar, the arrow keys go through it, Enter or Space opens a menu or runs an item such as
// "About", which has no menu of its own.
class AltNavigationStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};
