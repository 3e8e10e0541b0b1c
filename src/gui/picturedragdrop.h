#pragma once

#include <QObject>
#include <QPoint>
#include <QTemporaryDir>

#include <memory>

class QDropEvent;
class QImage;
class QMimeData;
class QMouseEvent;
class PictureView;
class ScaledImage;

// Pictures by drag and drop: the picture drags itself out as a PNG file and image data; an
// image file dropped onto the picture's window is shown as "Load bitmap" would show it.
class PictureDragDrop : public QObject {
    Q_OBJECT
public:
    PictureDragDrop(PictureView& view, ScaledImage& picture);

    // What a drag of `picture` offers: the image, and a temporary PNG file under a time-stamped
    // name. The file lives until the program ends, so a drop target can read it at leisure.
    [[nodiscard]] std::unique_ptr<QMimeData> mimeDataFor(const QImage& picture);
    // The local file a drop would show, or empty when the drop is not taken.
    [[nodiscard]] QString droppedFile(const QDropEvent& event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pictureMouse(QEvent* event);
    [[nodiscard]] bool windowDrop(QEvent* event);
    void startDrag();

    PictureView& view_;
    ScaledImage& picture_;
    // Compared with in the filter, which also sees the window being torn down.
    const QObject* window_;
    QPoint pressPos_;
    bool pressed_ = false;
    std::unique_ptr<QTemporaryDir> dragFiles_; // made by the first drag
};
