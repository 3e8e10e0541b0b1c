#include "downloadcontroller.h"

#include "deviceport.h"
#include "endingtable.h"
#include "filehelpers.h"
#include "kilobytes.h"
#include "pictureio.h"
#include "prompts.h"
#include "receivedpicture.h"
#include "transferlog.h"
#include "wrapbutton.h"

#include <QDir>
#include <QPushButton>

#include <algorithm>

namespace {
const QString WorkingFile = QStringLiteral("TMP.BMP");
} // namespace

DownloadController::DownloadController(Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("downloadController"));
    downloadButton_ = new WrapButton(
        //: DSO: the instrument, a digital storage oscilloscope
        tr("Download from DSO"), this);
    downloadButton_->setObjectName(QStringLiteral("downloadButton"));
    downloadButton_->setGeometry(0, 0, 72, 41);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelDownloadButton"));
    cancelButton_->setGeometry(0, 41 + ButtonGap, 72, 25);
    cancelButton_->setEnabled(false);
    setTabOrder(downloadButton_, cancelButton_);
    connect(downloadButton_, &QPushButton::clicked, this, &DownloadController::downloadClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &DownloadController::onCancelClicked);
}

DownloadController::~DownloadController()
{
    download_.abort();
}

void DownloadController::setPort(const ComPortList& ports, std::int32_t number)
{
    ports_ = ports;
    portNumber_ = number;
}

void DownloadController::setTimings(const DownloadTimings& timings)
{
    timings_ = timings;
}

void DownloadController::setLogging(bool on)
{
    logging_ = on;
}

void DownloadController::start(const QImage& shown, const QString& what)
{
    if (download_.running())
        return;
    emit statusChanged({}); // the last download's ending
    pictureBefore_ = shown;
    pictureBeforeWhat_ = what;
    QString device;
    if (const Outcome known = ports_.deviceOf(portNumber_, device); known)
        port_ = std::make_unique<DevicePort>(device);
    else
        port_ = DevicePort::unknown(known.reason());
    download_.start(*port_);
}

void DownloadController::abort()
{
    download_.abort();
    emit portOpenChanged(false);
}

void DownloadController::onCancelClicked()
{
    if (!download_.running())
        return;
    log(TransferLog::cancelled());
    download_.requestStop();
}

void DownloadController::alignButtons()
{
    const int column = std::max(downloadButton_->width(), cancelButton_->width());
    downloadButton_->resize(column, downloadButton_->height());
    cancelButton_->resize(column, cancelButton_->height());
    resize(column, cancelButton_->geometry().bottom() + 1);
}

QWidget* DownloadController::firstInTabOrder() const
{
    return downloadButton_;
}

QWidget* DownloadController::lastInTabOrder() const
{
    return cancelButton_;
}

void DownloadController::log(const QStringList& lines)
{
    if (logging_)
        emit logLines(lines);
}

void DownloadController::portOpened()
{
    emit portOpenChanged(true);
}

Outcome DownloadController::readyToRequest()
{
    if (Outcome saved = PictureIo::saveBmp(pictureBefore_, WorkingFile); !saved)
        return saved;
    emit waiting();
    cancelButton_->setEnabled(true);
    downloadButton_->setEnabled(false);
    return {};
}

void DownloadController::countdown(std::int64_t secondsLeft)
{
    emit counterChanged(QString::number(secondsLeft));
}

void DownloadController::blockArrived()
{
    emit counterChanged(tr("Receiving data..."));
}

void DownloadController::progress(std::int64_t received, std::int64_t expected)
{
    emit statusChanged(
        expected < 0
            ? tr("%1 KB").arg(RoundedKilobytes(received))
            : tr("%1 / %2 KB").arg(RoundedKilobytes(received)).arg(RoundedKilobytes(expected)));
}

void DownloadController::finished(const DownloadResult& result)
{
    const DownloadEnding ending = result.ending;
    emit portOpenChanged(false);
    if (ending == DownloadEnding::Complete) {
        showReceived(result);
    } else if (ending == DownloadEnding::PortNotOpened) {
        emit statusChanged(EndingTable::status(ending)); // nothing else of the window changed
        tell(ending, result.reason);
    } else {
        // The picture of before comes back from memory: the working file may be gone, or the
        // current folder changed, while the download ran.
        restore(pictureBefore_, pictureBeforeWhat_);
        emit statusChanged(EndingTable::status(ending, result.elapsedMs / 1000));
        if (EndingTable::row(ending).windowTells)
            tell(ending, result.reason);
    }
    emit ended(ending);
}

void DownloadController::showReceived(const DownloadResult& result)
{
    // The palette patch goes into the file and the picture alike; data that is no picture is
    // kept as received, for inspection.
    const ReceivedPicture received(result.data);
    const Outcome written = StringToFile(received.file(), WorkingFile);
    if (!received.isPicture()) {
        restore(pictureBefore_, pictureBeforeWhat_);
        emit statusChanged(EndingTable::status(DownloadEnding::NotAPicture));
        QStringList detail;
        if (!received.sizeProblem().isEmpty())
            detail << received.sizeProblem();
        detail << (written ? tr("The received bytes are kept in %1.")
                                 .arg(QDir::current().absoluteFilePath(WorkingFile))
                           : written.reason());
        tell(DownloadEnding::NotAPicture, detail.join(QLatin1Char('\n')));
        return;
    }
    restore(received.image(), tr("Screen of the instrument"));
    emit statusChanged(EndingTable::status(DownloadEnding::Complete,
                                           RoundedKilobytes(received.trimmedFile().size())));
    emit pictureReceived(received.image(), received.file());
    if (!written)
        tell(DownloadEnding::NotReady, written.reason());
}

void DownloadController::restore(const QImage& picture, const QString& what)
{
    emit pictureChanged(picture, what);
    emit counterChanged({});
    cancelButton_->setEnabled(false);
    downloadButton_->setEnabled(true);
}

void DownloadController::tell(DownloadEnding ending, const QString& detail)
{
    prompts_.message(
        window(), EndingTable::sentence(ending, QStringLiteral("COM%1").arg(portNumber_)), detail);
}
