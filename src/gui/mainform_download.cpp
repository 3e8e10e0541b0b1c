// The screenshot download as the window shows it: the start steps and the endings around the
// shared download driver, which runs from the event loop while the window stays live.
#include "mainform.h"

#include "autosave.h"
#include "endingtable.h"
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
    pictureBefore_ = ImageDSO->image();
    pictureBeforeName_ = pictureWhat_;
    download_.start(port_);
}

void TMainForm::finished(const DownloadResult& result)
{
    const DownloadEnding ending = result.ending;
    if (ending == DownloadEnding::Complete) {
        showReceived(result);
    } else if (ending == DownloadEnding::PortNotOpened) {
        showEnding(ending); // nothing else of the window changed
        tellEnding(ending, result.reason);
    } else {
        // The picture of before comes back from memory: the working file may be gone, or the
        // current folder changed, while the download ran.
        restoreAfterDownload(pictureBefore_, pictureBeforeName_);
        showEnding(ending, result.elapsedMs / 1000);
        if (EndingTable::row(ending).windowTells)
            tellEnding(ending, result.reason);
    }
    emit downloadEnded(ending);
}

void TMainForm::showReceived(const DownloadResult& result)
{
    // The palette patch goes into the file and the picture alike; data that is no picture is
    // kept as received, for inspection.
    const ReceivedPicture received(result.data);
    const Outcome written = StringToFile(received.file(), WorkingFile);
    if (!received.isPicture()) {
        restoreAfterDownload(pictureBefore_, pictureBeforeName_);
        showEnding(DownloadEnding::NotAPicture);
        QStringList detail;
        if (!received.sizeProblem().isEmpty())
            detail << received.sizeProblem();
        detail << (written ? tr("The received bytes are kept in %1.")
                                 .arg(QDir::current().absoluteFilePath(WorkingFile))
                           : written.reason());
        tellEnding(DownloadEnding::NotAPicture, detail.join(QLatin1Char('\n')));
        return;
    }
    restoreAfterDownload(received.image(), tr("Screen of the instrument"));
    showEnding(DownloadEnding::Complete, RoundedKilobytes(received.trimmedFile().size()));
    autoSave_->pictureArrived(received.file(), received.image());
    if (!written)
        tellEnding(DownloadEnding::NotReady, written.reason());
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

void TMainForm::showEnding(DownloadEnding ending, std::int64_t number)
{
    const QString text = EndingTable::status(ending, number);
    statusPanels_[2]->setText(text);
    statusPanels_[2]->setToolTip(text);
}

void TMainForm::tellEnding(DownloadEnding ending, const QString& detail)
{
    prompts_.message(
        this, EndingTable::sentence(ending, QStringLiteral("COM%1").arg(ComPortNumber)), detail);
}

void TMainForm::TimerCancelTimer()
{
    // The driver keeps the start time-out; this timer only shows what is left of it.
    if (const std::optional<std::int64_t> left = download_.secondsLeft())
        lblCounter->setText(QString::number(*left));
}

void TMainForm::btnCancelClick()
{
    if (!download_.running())
        return;
    logGroup(TransferLog::cancelled());
    download_.requestStop();
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
