#pragma once

#include "picturesizes.h"

#include <QFrame>
#include <QImage>
#include <QString>

class AutoSave;
class FileChooser;
class PictureMenu;
class Prompts;
class QLabel;
class ScaledImage;

// The picture panel: the picture scaled into one of the picture sizes, the download's counter
// over it, the picture's menu (copy, printable copy, save as PNG, save each picture), and
// pictures dragged out of it or dropped onto the window.
class PictureView : public QFrame {
    Q_OBJECT
public:
    PictureView(Prompts& prompts, FileChooser& files, AutoSave& autoSave, QWidget* parent);

    void setPictureSize(const PictureSize& size);
    [[nodiscard]] const PictureSize& pictureSize() const { return size_; }

    // Shows `picture`, named for a screen reader by `what` it shows and its size.
    void showPicture(const QImage& picture, const QString& what);
    // The empty grid of the start.
    void showEmpty();
    // The instructions to start the transfer on the instrument, at this size, in the user's
    // language.
    void showWaiting();
    [[nodiscard]] const QImage& picture() const;
    [[nodiscard]] const QString& what() const { return what_; }
    // Whether the picture shown came from a file (File, or dropped), not from a download.
    [[nodiscard]] bool fromFile() const { return fromFile_; }
    // A picture file shown as "Load bitmap" shows it; a file that is no picture is told.
    void showFile(const QString& path);
    // Saves the picture as `format` ("BMP", "PNG") under a name the user chooses.
    void saveAs(const QString& filter, const QString& extension, const char* format);

    void setCounterText(const QString& text);
    // The actions whose shortcuts work anywhere in the window.
    [[nodiscard]] QList<QAction*> shortcutActions() const;
    // The widget that takes the focus and opens the menu.
    [[nodiscard]] QWidget* focusTarget() const;

signals:
    void capturesRequested();
    void addToCapturesRequested(const QImage& picture);

private:
    [[nodiscard]] static QString fileWhat();

    Prompts& prompts_;
    FileChooser& files_;
    PictureSize size_;
    ScaledImage* image_ = nullptr;
    QLabel* counter_ = nullptr;
    PictureMenu* menu_ = nullptr;
    QString what_;
    bool fromFile_ = false;
};
