#include "capturesession.h"

#include "captureport.h"

#include "endingmessages.h"
#include "filehelpers.h"
#include "pictureoutput.h"
#include "progresstext.h"
#include "receivedpicture.h"
#include "transferlog.h"

#include <QDateTime>

namespace {
using Ending = DownloadResult::Ending;

// A capture after the first asks again every two seconds until the instrument sends.
constexpr std::int64_t RepeatRequestMs = 2000;

// The exit status of a download that ended without a picture; none for an ending that only a
// fault of the tool itself brings.
std::optional<ExitStatus> exitStatusOf(Ending ending)
{
    switch (ending) {
    case Ending::PortNotOpened:
        return ExitStatus::PortNotOpened;
    case Ending::TimedOut:
        return ExitStatus::TimedOut;
    case Ending::NoData:
        return ExitStatus::NoPicture;
    case Ending::LineLost:
        return ExitStatus::LineLost;
    case Ending::EarlierTransfer:
        return ExitStatus::EarlierTransfer;
    case Ending::BlockLost:
        return ExitStatus::BlockLost;
    case Ending::Cancelled:
        return ExitStatus::Interrupted;
    default:
        return std::nullopt;
    }
}
} // namespace

CaptureSession::CaptureSession(Setup setup, StatusLine& status, std::function<bool()> interrupted)
    : setup_(std::move(setup)), status_(status), interrupted_(std::move(interrupted)),
      naming_(setup_.output)
{
}

CaptureSession::Setup CaptureSession::Setup::make(const CaptureOptions& options,
                                                  const CaptureSettings& settings,
                                                  const QString& iniPath)
{
    Setup setup;
    setup.port = options.port;
    setup.storedPort = settings.port;
    setup.iniPath = iniPath;
    setup.timings = settings.timings;
    setup.timings.timeoutSeconds = options.timeoutSeconds.value_or(setup.timings.timeoutSeconds);
    setup.timings.rxDelayMs = options.rxDelayMs.value_or(setup.timings.rxDelayMs);
    setup.timings.nakDelayMs = options.nakDelayMs.value_or(setup.timings.nakDelayMs);
    setup.output = options.output;
    setup.count = options.count;
    setup.printable = options.printable;
    setup.logFile = options.logFile;
    return setup;
}

ExitStatus CaptureSession::run()
{
    const ExitStatus status = runCaptures();
    if (status == ExitStatus::Interrupted)
        fail(QStringLiteral("Interrupted."));
    return status;
}

ExitStatus CaptureSession::runCaptures()
{
    // A folder that takes no file is told now, not after a whole transfer.
    if (const Outcome writable = PictureOutput::canWriteInto(naming_.folder(), naming_.given());
        !writable) {
        fail(writable.reason());
        return ExitStatus::NotWritten;
    }
    if (!setup_.logFile.isEmpty())
        if (const Outcome opened = log_.open(setup_.logFile); !opened) {
            fail(opened.reason());
            return ExitStatus::NotWritten;
        }
    QString device;
    if (const Outcome found =
            CapturePort::resolve(setup_.port, setup_.storedPort, setup_.iniPath, device);
        !found)
        return ended(Ending::PortNotOpened, found.reason());
    device_ = device;
    port_.emplace(device);
    for (int index = 1; setup_.count == 0 || index <= setup_.count; ++index) {
        if (interrupted_())
            return ExitStatus::Interrupted;
        if (const ExitStatus status = captureOnce(index); status != ExitStatus::Saved)
            return status;
    }
    return ExitStatus::Saved;
}

// The first capture makes one request, as the window does. A later one follows a transfer at
// once, while the instrument may still repeat the last EOT (the download never answers it) and
// not listen yet: its request is repeated until a transfer starts or the start time-out has
// passed. A series without end never gives up waiting.
ExitStatus CaptureSession::captureOnce(int index)
{
    const RequestPolicy policy = index > 1 ? RequestPolicy{RepeatRequestMs} : RequestPolicy{};
    for (;;) {
        const DownloadResult result = download(policy);
        if (result.complete())
            return save(result, index);
        if (interrupted_())
            return ExitStatus::Interrupted;
        if (result.ending != Ending::TimedOut || !endless())
            return ended(result.ending, result.reason);
    }
}

DownloadResult CaptureSession::download(RequestPolicy policy)
{
    stop_ = false;
    firstBlock_ = true;
    DownloadResult result = download_.run(*port_, clock_, policy);
    status_.clear();
    return result;
}

ExitStatus CaptureSession::ended(DownloadResult::Ending ending, const QString& reason)
{
    const std::optional<ExitStatus> status = exitStatusOf(ending);
    if (!status) {
        fail(QStringLiteral("The download from %1 was given up.").arg(device_));
        return ExitStatus::NotWritten;
    }
    if (*status == ExitStatus::Interrupted)
        return *status;
    QString message = EndingMessages::sentence(ending, device_, setup_.timings.timeoutSeconds);
    if (!reason.isEmpty())
        message += QLatin1Char(' ') + reason;
    fail(message);
    return *status;
}

ExitStatus CaptureSession::save(const DownloadResult& result, int index)
{
    const ReceivedPicture received(result.data);
    if (!received.isPicture())
        return keepRaw(result, received, index);
    QByteArray bytes;
    if (const Outcome encoded =
            PictureOutput::encode(received, naming_.format(), setup_.printable, bytes);
        !encoded) {
        fail(encoded.reason());
        return ExitStatus::NotWritten;
    }
    const QString name = naming_.nameFor(index, QDateTime::currentDateTime());
    if (!keep(bytes, name))
        return ExitStatus::NotWritten;
    const bool toOutput = naming_.toStandardOutput();
    status_.report(ProgressText::saved(toOutput ? QStringLiteral("standard output") : name,
                                       received.image().size(), bytes.size(), transfer_.elapsed(),
                                       result.naks));
    return ExitStatus::Saved;
}

ExitStatus CaptureSession::keepRaw(const DownloadResult& result, const ReceivedPicture& received,
                                   int index)
{
    const QString raw = naming_.rawNameFor(index, QDateTime::currentDateTime());
    QString message = EndingMessages::notAPicture();
    if (!received.sizeProblem().isEmpty())
        message += QLatin1Char(' ') + received.sizeProblem();
    fail(message);
    if (keep(result.data, raw))
        fail(QStringLiteral("The received bytes are kept in %1.").arg(raw));
    return ExitStatus::NoPicture;
}

bool CaptureSession::keep(const QByteArray& bytes, const QString& name)
{
    QString keptAs;
    const Outcome written = PictureOutput::writeKeeping(bytes, name, keptAs);
    if (written)
        return true;
    fail(written.reason());
    if (!keptAs.isEmpty())
        fail(QStringLiteral("The received file was saved as %1 instead.").arg(keptAs));
    return false;
}

bool CaptureSession::stopRequested()
{
    if (interrupted_() && !stop_) {
        log(TransferLog::cancelled());
        stop_ = true;
    }
    return stop_;
}

void CaptureSession::fail(const QString& message)
{
    status_.print(QStringLiteral("orvisnap-capture: ") + message);
}

DownloadTimings CaptureSession::timings() const
{
    return setup_.timings;
}

void CaptureSession::log(const QStringList& lines)
{
    if (const Outcome written = log_.append(lines); !written)
        fail(written.reason());
}

void CaptureSession::countdown(std::int64_t secondsLeft)
{
    status_.show(ProgressText::waiting(device_, secondsLeft));
}

void CaptureSession::blockArrived()
{
    if (!firstBlock_)
        return;
    firstBlock_ = false;
    firstBlockBytes_ = -1;
    transfer_.start();
}

void CaptureSession::progress(std::int64_t received, std::int64_t expected)
{
    if (firstBlockBytes_ < 0)
        firstBlockBytes_ = received;
    status_.show(ProgressText::transfer(received, expected, received - firstBlockBytes_,
                                        transfer_.elapsed()));
}
