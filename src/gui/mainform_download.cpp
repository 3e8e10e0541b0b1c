// The screenshot download as the window shows it: the start steps and the endings around the
// shared download driver.
#include "mainform.h"

#include "autosave.h"
#include "endingmessages.h"
#include "filehelpers.h"
#include "kilobytes.h"
#include "myserial.h"
#include "pictureio.h"
#include "prompts.h"
#include "receivedpicture.h"
#include "scaledimage.h"
#include "transferlog.h"

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
    statusPanels_[2]->clear(); // the last download's ending
    TransferStop = false;
    pictureBefore_ = ImageDSO->image();
    pictureBeforeName_ = pictureWhat_;
    const DownloadResult result = download_.run(port_, clock_);
    switch (result.ending) {
    case DownloadResult::Ending::PortNotOpened:
        showEnding(result);
        prompts_.message(this, EndingMessages::sentence(result.ending), result.reason);
        return; // nothing else of the window changed
    case DownloadResult::Ending::NotReady:
        SettingsToStatusBar();
        showEnding(result);
        prompts_.message(this, EndingMessages::sentence(result.ending), result.reason);
        return;
    case DownloadResult::Ending::AlreadyRunning:
        return;
    case DownloadResult::Ending::Complete:
        showReceived(result);
        return;
    default:
        // The picture of before comes back from memory: the working file may be gone, or the
        // current folder changed, while the download ran.
        restoreAfterDownload(pictureBefore_, pictureBeforeName_);
        showEnding(result);
        // A time-out, a cancel or an empty transfer shows in the status bar alone.
        if (result.ending == DownloadResult::Ending::LineLost ||
            result.ending == DownloadResult::Ending::EarlierTransfer ||
            result.ending == DownloadResult::Ending::BlockLost)
            prompts_.message(this, EndingMessages::sentence(result.ending), {});
        return;
    }
}

void TMainForm::showReceived(const DownloadResult& result)
{
    // The palette patch goes into the file and the picture alike; data that is no picture is
    // kept as received, for inspection.
    const ReceivedPicture received(result.data);
    const Outcome written = StringToFile(received.file(), WorkingFile);
    if (!received.isPicture()) {
        restoreAfterDownload(pictureBefore_, pictureBeforeName_);
        showEnding(result, -1);
        QString detail = tr("The received bytes are kept in %1.")
                             .arg(QDir::current().absoluteFilePath(WorkingFile));
        if (!received.sizeProblem().isEmpty())
            detail = received.sizeProblem() + QLatin1Char('\n') + detail;
        prompts_.message(this, EndingMessages::notAPicture(), detail);
        return;
    }
    restoreAfterDownload(received.image(), tr("Screen of the instrument"));
    showEnding(result, received.trimmedFile().size());
    autoSave_->pictureArrived(received.file(), received.image());
    if (!written)
        prompts_.message(this, EndingMessages::sentence(DownloadResult::Ending::NotReady),
                         written.reason());
}

void TMainForm::restoreAfterDownload(const QImage& picture, const QString& what)
{
    showPicture(picture, what);
    SettingsToStatusBar();
    lblCounter->clear();
    TimerCancel->stop();
    btnCancel->setEnabled(false);
    btnGetScreenShot->setEnabled(true);
}

void TMainForm::showEnding(const DownloadResult& result, std::int64_t pictureBytes)
{
    const QString text = EndingMessages::status(result, pictureBytes);
    statusPanels_[2]->setText(text);
    statusPanels_[2]->setToolTip(text);
}

void TMainForm::TimerCancelTimer()
{
    // The driver keeps the start time-out; this timer only shows what is left of it.
    if (const std::optional<std::int64_t> left = download_.secondsLeft())
        lblCounter->setText(QString::number(*left));
}

void TMainForm::btnCancelClick()
{
    logGroup(TransferLog::cancelled());
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
    return downloadTimings();
}

void TMainForm::setDownloadTimings(const DownloadTimings& timings)
{
    Timeout = timings.timeoutSeconds;
    RxDelay = timings.rxDelayMs;
    NAKDelay = timings.nakDelayMs;
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

void TMainForm::startTimeoutExpired()
{
    TimerCancel->stop(); // the driver ends the download itself
}

void TMainForm::blockArrived()
{
    TimerCancel->stop();
    lblCounter->setText(tr("Receiving data..."));
}

void TMainForm::progress(std::int64_t received, std::int64_t expected)
{
    statusPanels_[2]->setText(
        expected < 0
            ? tr("%1 KB").arg(RoundedKilobytes(received))
            : tr("%1 / %2 KB").arg(RoundedKilobytes(received)).arg(RoundedKilobytes(expected)));
}
