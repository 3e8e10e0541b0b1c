// The screenshot download: drives the XModem receiver through the serial unit and the waits.
#include "mainform.h"

#include "autosave.h"
#include "delays.h"
#include "filehelpers.h"
#include "myserial.h"
#include "pictureio.h"
#include "prompts.h"
#include "scaledimage.h"
#include "starttimeout.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
const QString WorkingFile = QStringLiteral("TMP.BMP");

QString openFailureDetail(const QString& reason)
{
    QString detail = reason;
#ifndef Q_OS_WIN
    if (reason.contains(QLatin1String("ermission")))
        detail += QStringLiteral("\nYour user may need to be in the group that owns the device "
                                 "(often \"dialout\").");
#endif
    return detail;
}
} // namespace

void TMainForm::btnGetScreenShotClick()
{
    if (downloadRunning_ || closing_)
        return;
    if (startDownload())
        receiveLoop();
}

bool TMainForm::startDownload()
{
    autoSave_->downloadStarted(); // hook: a download starts; before the panel shows progress
    ComClose();
    DelayWithMessages(100);
    if (closing_)
        return false;
    if (!ComOpen(ComPortNumber, 38400, 8, 'N', 1)) {
        const QString reason = ComLastError();
        ComClose(); // a port held after a failed configuration is released too
        prompts_.message(this, QStringLiteral("Error while opening COM port."),
                         openFailureDetail(reason));
        return false;
    }
    ComResetDevice();
    QByteArray discard;
    ComReadAvailable(discard);
    SettingsToStatusBar();
    if (DebugMode->isChecked()) {
        logLine(QStringLiteral("Waiting for XModem transfer..."));
        logLine(XModemReceiver::thinSeparator());
    }
    TransferStop = false;
    receiver_.start();
    pictureBefore_ = ImageDSO->image();
    if (const Outcome saved = PictureIo::saveBmp(pictureBefore_, WorkingFile); !saved) {
        ComClose();
        SettingsToStatusBar();
        prompts_.message(this, QStringLiteral("The working file could not be written."),
                         saved.reason());
        return false;
    }
    SetBitmap(WaitBitmapName);
    transferStart_.start();
    TimerCancel->start();
    btnCancel->setEnabled(true);
    btnGetScreenShot->setEnabled(false);
    downloadRunning_ = true;
    ComReadAvailable(discard);
    ComWrite(QByteArray(1, XModemReceiver::NAK));
    ComWrite(QByteArray(1, XModemReceiver::NAK));
    downloadClock_.start();
    return true;
}

void TMainForm::receiveLoop()
{
    for (;;) {
        QCoreApplication::processEvents();
        if (TransferStop) {
            stopEnding();
            return;
        }
        if (ComLineLost()) {
            if (DebugMode->isChecked())
                logLine(QStringLiteral("The COM port was lost."));
            stopEnding();
            prompts_.message(this, QStringLiteral("The connection to the COM port was lost."), {});
            return;
        }
        // Read at every wait, so a change in the Timings dialog takes effect at once. A read
        // being completed is looked at again as soon as more bytes come.
        if (receiver_.readPending())
            ComWaitForData(XModemReceiver::PollMs);
        else
            DelayWithMessages(RxDelay);
        QByteArray bytes;
        ComReadAvailable(bytes);
        const XModemStep step = receiver_.feed(bytes, downloadClock_.elapsed(), {RxDelay, NAKDelay},
                                               DebugMode->isChecked());
        carryOut(step);
        if (step.kind == XModemStep::Kind::Eot) {
            eotEnding();
            return;
        }
    }
}

void TMainForm::carryOut(const XModemStep& step)
{
    for (const QString& line : step.rxLog)
        logLine(line);
    if (step.isBlock()) {
        TimerCancel->stop();
        lblCounter->setText(QStringLiteral("Receiving data..."));
    }
    if (step.drainMs > 0) {
        DelayWithMessages(NAKDelay);
        QByteArray discard;
        ComReadAvailable(discard);
    }
    if (!step.send.isEmpty())
        ComWrite(step.send);
    for (const QString& line : step.txLog)
        logLine(line);
}

void TMainForm::eotEnding()
{
    if (receiver_.acceptedBlocks() == 0) {
        noDataEnding();
        return;
    }
    btnCancel->setEnabled(false);
    btnGetScreenShot->setEnabled(true);
    // The palette patch goes into the file and the picture alike; data that is no picture is
    // kept as received, for inspection.
    QByteArray patched = receiver_.collected();
    PatchBMPBytes(patched, 240, 255, 0);
    QImage picture;
    const bool pictureOk = picture.loadFromData(patched, "BMP");
    const Outcome written = StringToFile(pictureOk ? patched : receiver_.collected(), WorkingFile);
    showPicture(pictureOk ? picture : pictureBefore_);
    ComClose();
    SettingsToStatusBar();
    if (DebugMode->isChecked()) {
        logLine(QStringLiteral("XModem transfer complete"));
        logLine(XModemReceiver::thickSeparator());
    }
    resetAfterDownload();
    if (pictureOk) // hook: the successful ending, after the picture is shown and the panel cleared
        autoSave_->pictureArrived(patched, picture);
    if (!pictureOk)
        prompts_.message(this, QStringLiteral("The received file is not a valid BMP picture."),
                         QStringLiteral("The received bytes are kept in %1.")
                             .arg(QDir::current().absoluteFilePath(WorkingFile)));
    else if (!written)
        prompts_.message(this, QStringLiteral("The working file could not be written."),
                         written.reason());
}

void TMainForm::noDataEnding()
{
    if (DebugMode->isChecked())
        logLine(QStringLiteral("No data received."));
    stopEnding();
}

void TMainForm::stopEnding()
{
    ComClose();
    SettingsToStatusBar();
    if (DebugMode->isChecked())
        logLine(XModemReceiver::thickSeparator());
    lblCounter->clear();
    // The picture of before comes back from memory: the working file may be gone, or the
    // current folder changed, while the download ran.
    showPicture(pictureBefore_);
    resetAfterDownload();
}

void TMainForm::resetAfterDownload()
{
    TimerCancel->stop();
    btnCancel->setEnabled(false);
    btnGetScreenShot->setEnabled(true);
    lblCounter->clear();
    downloadRunning_ = false;
}

void TMainForm::showPicture(const QImage& image)
{
    ImageDSO->setImage(image);
}

void TMainForm::TimerCancelTimer()
{
    const StartTimeoutTick tick = EvaluateStartTimeout(transferStart_.elapsed(), Timeout);
    if (tick.expired) {
        TimerCancel->stop();
        if (DebugMode->isChecked())
            logLine(QStringLiteral("Timeout."));
        TransferStop = true;
        return;
    }
    lblCounter->setText(QString::number(tick.secondsLeft));
}

void TMainForm::btnCancelClick()
{
    if (DebugMode->isChecked())
        logLine(QStringLiteral("Cancelled."));
    TransferStop = true;
}
