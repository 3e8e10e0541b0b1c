#pragma once

#include <QObject>
#include <QPoint>
#include <QTemporaryDir>

#include <memory>

class QDropEvent;
class QImage;
class QMimeData;
class QMouseEvent;
class TMainForm;

// Pictures by drag and drop: the picture panel drags its picture out as a PNG file and image
// data; an image file dropped onto the main window is shown as "Load bitmap" would show it.
class PictureDragDrop : public QObject {
    Q_OBJECT
public:
    explicit PictureDragDrop(TMainForm& form);

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

    TMainForm& form_;
    // Compared with in the filter, which also sees the window being torn down.
    const QObject* picture_;
    const QObject* window_;
    QPoint pressPos_;
    bool pressed_ = false;
    std::unique_ptr<QTemporaryDir> dragFiles_; // made by the first drag
};
