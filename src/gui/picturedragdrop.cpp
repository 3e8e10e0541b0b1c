#include "picturedragdrop.h"

#include "filenames.h"
#include "pictureio.h"
#include "pictureview.h"
#include "scaledimage.h"

#include <QApplication>
#include <QDateTime>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

PictureDragDrop::PictureDragDrop(PictureView& view, ScaledImage& picture)
    : QObject(&view), view_(view), picture_(picture), window_(view.window())
{
    setObjectName(QStringLiteral("pictureDragDrop"));
    picture_.installEventFilter(this);
    view.window()->setAcceptDrops(true);
    view.window()->installEventFilter(this);
}

std::unique_ptr<QMimeData> PictureDragDrop::mimeDataFor(const QImage& picture)
{
    auto data = std::make_unique<QMimeData>();
    data->setImageData(picture);
    if (!dragFiles_)
        dragFiles_ = std::make_unique<QTemporaryDir>();
    if (dragFiles_->isValid()) {
        const QString path = FileNames::freeIn(
            dragFiles_->path(), FileNames::stamped(QDateTime::currentDateTime(), "png"));
        // Without the file the image data alone still goes.
        if (PictureIo::save(picture, path, "PNG"))
            data->setUrls({QUrl::fromLocalFile(path)});
    }
    return data;
}

QString PictureDragDrop::droppedFile(const QDropEvent& event) const
{
    // The picture's own drag would only show the same picture again. Only a copy is taken:
    // a moving source would delete its file after the drop.
    if (event.source() == &picture_ || !(event.possibleActions() & Qt::CopyAction) ||
        !event.mimeData()->hasUrls())
        return {};
    for (const QUrl& url : event.mimeData()->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

bool PictureDragDrop::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &picture_)
        pictureMouse(event);
    else if (watched == window_)
        return windowDrop(event);
    return false;
}

void PictureDragDrop::pictureMouse(QEvent* event)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseMove)
        return;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        pressed_ = true;
        pressPos_ = mouse->position().toPoint();
    } else if (type == QEvent::MouseButtonRelease) {
        pressed_ = false;
    } else if (type == QEvent::MouseMove && pressed_ && (mouse->buttons() & Qt::LeftButton) &&
               (mouse->position().toPoint() - pressPos_).manhattanLength() >=
                   QApplication::startDragDistance()) {
        pressed_ = false;
        startDrag();
    }
}

void PictureDragDrop::startDrag()
{
    const QImage picture = picture_.image();
    if (picture.isNull())
        return;
    auto* drag = new QDrag(&picture_);
    drag->setMimeData(mimeDataFor(picture).release());
    const QPixmap thumbnail = QPixmap::fromImage(
        picture.scaled(QSize(128, 64), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    drag->setPixmap(thumbnail);
    drag->setHotSpot(thumbnail.rect().center());
    drag->exec(Qt::CopyAction);
}

bool PictureDragDrop::windowDrop(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(*drop);
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Once the drop is done: a failure's message box would keep the source waiting.
        if (event->type() == QEvent::Drop)
            QMetaObject::invokeMethod(
                &view_, [this, path] { view_.showFile(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
