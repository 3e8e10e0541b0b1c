#pragma once

#include <QColor>
#include <QPalette>

class QFrame;
class QRect;
class QString;
class QWidget;

// The windows' named colours, and the two ways they are put on widgets.
class UiColours {
public:
    static constexpr QColor Black{0, 0, 0};
    static constexpr QColor Navy{0, 0, 128};
    static constexpr QColor Maroon{128, 0, 0};
    static constexpr QColor Green{0, 128, 0};
    static constexpr QColor Teal{0, 128, 128};
    static constexpr QColor Purple{128, 0, 128};
    static constexpr QColor Grey{128, 128, 128};
    static constexpr QColor Silver{192, 192, 192};

    static void set(QWidget* widget, QPalette::ColorRole role, const QColor& colour);
    // A filled bar without outline (a separator); its colour is set with set(..., Window, ...).
    [[nodiscard]] static QFrame* addBar(QWidget* parent, const QString& name, const QRect& place);
};
