#include "capturekeeper.h"

#include "captureswindow.h"

#include <QFileInfo>
#include <QTimer>
#include <QWidget>

CaptureKeeper::CaptureKeeper(Prompts& prompts, FileChooser& files, QWidget* window)
    : QObject(window), prompts_(prompts), files_(files), window_(window)
{
    setObjectName(QStringLiteral("captureKeeper"));
}

void CaptureKeeper::setStore(const CaptureStore& store)
{
    store_ = store;
    if (capturesWindow_ && capturesWindow_->isVisible())
        capturesWindow_->showStore(store_);
}

void CaptureKeeper::keepReceived(const QImage& picture, const QString& port)
{
    if (!store_.isOn() || picture.isNull())
        return;
    CaptureInfo info;
    info.time = QDateTime::currentDateTime();
    info.port = port;
    // The picture shows first; a slow disk then delays nothing the user waits for.
    QTimer::singleShot(0, this, [this, picture, info] { write(picture, info, false); });
}

void CaptureKeeper::addLoaded(const QImage& picture)
{
    if (picture.isNull())
        return;
    if (!store_.isOn()) {
        emit told(tr("Captures are turned off: [Captures] Keep=0 in the settings file."));
        return;
    }
    CaptureInfo info;
    info.time = QDateTime::currentDateTime();
    write(picture, info, true);
}

void CaptureKeeper::write(const QImage& picture, const CaptureInfo& info, bool tellSuccess)
{
    const CaptureStore::Added added = store_.add(picture, info);
    if (!added.outcome) {
        const QString failure = tr("Not kept in the captures: %1").arg(added.outcome.reason());
        emit told(failure);
        emit failed(failure);
        return;
    }
    if (tellSuccess)
        emit told(tr("Added to the captures as %1").arg(QFileInfo(added.path).fileName()));
    if (capturesWindow_)
        capturesWindow_->add({added.path, info});
}

void CaptureKeeper::openWindow()
{
    if (!capturesWindow_) {
        capturesWindow_ = new CapturesWindow(prompts_, files_, window_);
        connect(capturesWindow_, &CapturesWindow::showRequested, this,
                &CaptureKeeper::showRequested);
    }
    capturesWindow_->showStore(store_);
    capturesWindow_->show();
    capturesWindow_->raise();
    capturesWindow_->activateWindow();
}
