#pragma once

#include <QSize>

class DownloadController;
class LogView;
class PictureView;
class QMainWindow;

// Where the main window's parts stand, at the picture size chosen, with or without the log:
// the picture top left, the download's buttons right of it, the log under both, reaching to the
// window's edges so that it grows with the window. Without the log the window has a fixed size;
// with it, it may grow.
class MainLayout {
public:
    static constexpr int Margin = 8; // around the picture and right of the buttons
    static constexpr int MinClientWidthWithLog = 420;
    static constexpr int LogHeight = 160; // of the log itself, without its buttons

    MainLayout(QMainWindow& window, PictureView& picture, DownloadController& download,
               LogView& log);

    void layOut(bool withLog);
    // The log follows the window's edges as the window is resized.
    void windowResized();

    // The client area: everything under the menu bar.
    [[nodiscard]] QSize clientSize() const;
    void setClientSize(int width, int height);
    // Moves the window the least that makes it whole on a screen; a place that fits stays.
    void keepOnScreen();

private:
    QMainWindow& window_;
    PictureView& picture_;
    DownloadController& download_;
    LogView& log_;
};
