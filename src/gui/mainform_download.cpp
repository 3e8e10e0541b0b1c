// The screenshot download as the window shows it: the start steps and the endings around the
// shared download driver.
#include "mainform.h"

#include "autosave.h"
#include "filehelpers.h"
#include "myserial.h"
#include "pictureio.h"
#include "prompts.h"
#include "receivedpicture.h"
#include "scaledimage.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const QString WorkingFile = QStringLiteral("TMP.BMP");
} // namespace

void TMainForm::btnGetScreenShotClick()
{
    if (download_.running() || closing_)
        return;
    autoSave_->downloadStarted();
    TransferStop = false;
    pictureBefore_ = ImageDSO->image();
    const DownloadResult result = download_.run(ComPortNumber);
    switch (result.ending) {
    case DownloadResult::Ending::PortNotOpened:
        prompts_.message(this, QStringLiteral("Error while opening COM port."), result.reason);
        return; // nothing of the window changed
    case DownloadResult::Ending::NotReady:
        SettingsToStatusBar();
        prompts_.message(this, QStringLiteral("The working file could not be written."),
                         result.reason);
        return;
    case DownloadResult::Ending::AlreadyRunning:
        return;
    case DownloadResult::Ending::Complete:
        showReceived(result.data);
        return;
    default:
        // The picture of before comes back from memory: the working file may be gone, or the
        // current folder changed, while the download ran.
        restoreAfterDownload(pictureBefore_);
        if (result.ending == DownloadResult::Ending::LineLost)
            prompts_.message(this, QStringLiteral("The connection to the COM port was lost."), {});
        return;
    }
}

void TMainForm::showReceived(const QByteArray& data)
{
    // The palette patch goes into the file and the picture alike; data that is no picture is
    // kept as received, for inspection.
    const ReceivedPicture received(data);
    const Outcome written = StringToFile(received.file(), WorkingFile);
    if (!received.isPicture()) {
        restoreAfterDownload(pictureBefore_);
        prompts_.message(this, QStringLiteral("The received file is not a valid BMP picture."),
                         QStringLiteral("The received bytes are kept in %1.")
                             .arg(QDir::current().absoluteFilePath(WorkingFile)));
        return;
    }
    restoreAfterDownload(received.image());
    autoSave_->pictureArrived(received.file(), received.image());
    if (!written)
        prompts_.message(this, QStringLiteral("The working file could not be written."),
                         written.reason());
}

void TMainForm::restoreAfterDownload(const QImage& picture)
{
    ImageDSO->setImage(picture);
    SettingsToStatusBar();
    statusPanels_[2]->clear();
    lblCounter->clear();
    TimerCancel->stop();
    btnCancel->setEnabled(false);
    btnGetScreenShot->setEnabled(true);
}

void TMainForm::TimerCancelTimer()
{
    download_.startTimeoutTick();
}

void TMainForm::btnCancelClick()
{
    logGroup({QStringLiteral("Cancelled.")});
    TransferStop = true;
}

void TMainForm::logGroup(const QStringList& lines)
{
    if (!DebugMode->isChecked())
        return;
    for (const QString& line : lines)
        logLine(line);
}

// What the download driver asks and tells.

DownloadTimings TMainForm::timings() const
{
    return {Timeout, RxDelay, NAKDelay};
}

bool TMainForm::logging() const
{
    return DebugMode->isChecked();
}

bool TMainForm::stopRequested()
{
    return TransferStop;
}

void TMainForm::log(const QStringList& lines)
{
    logGroup(lines);
}

void TMainForm::portOpened()
{
    SettingsToStatusBar();
}

Outcome TMainForm::readyToRequest()
{
    if (Outcome saved = PictureIo::saveBmp(pictureBefore_, WorkingFile); !saved)
        return saved;
    SetBitmap(WaitBitmapName);
    TimerCancel->start();
    btnCancel->setEnabled(true);
    btnGetScreenShot->setEnabled(false);
    return {};
}

void TMainForm::countdown(std::int64_t secondsLeft)
{
    lblCounter->setText(QString::number(secondsLeft));
}

void TMainForm::startTimeoutExpired()
{
    TimerCancel->stop();
    TransferStop = true;
}

void TMainForm::blockArrived()
{
    TimerCancel->stop();
    lblCounter->setText(QStringLiteral("Receiving data..."));
}

void TMainForm::progress(std::int64_t received, std::int64_t expected)
{
    const auto kilobytes = [](std::int64_t bytes) { return (bytes + 512) / 1024; };
    statusPanels_[2]->setText(
        expected < 0
            ? QStringLiteral("%1 KB").arg(kilobytes(received))
            : QStringLiteral("%1 / %2 KB").arg(kilobytes(received)).arg(kilobytes(expected)));
}
