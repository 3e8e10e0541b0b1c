#include "capturesession.h"

#include "captureport.h"

#include "endingtable.h"
#include "filehelpers.h"
#include "pictureoutput.h"
#include "progresstext.h"
#include "receivedpicture.h"
#include "transferlog.h"

#include <QDateTime>

namespace {
// A capture after the first asks again every two seconds until the instrument sends.
constexpr std::int64_t RepeatRequestMs = 2000;
} // namespace

CaptureSession::CaptureSession(Setup setup, StatusLine& status)
    : setup_(std::move(setup)), status_(status), naming_(setup_.output)
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

void CaptureSession::start(std::function<void(ExitStatus)> done)
{
    done_ = std::move(done);
    if (const ExitStatus prepared = prepare(); prepared != ExitStatus::Saved)
        return end(prepared);
    startDownload();
}

ExitStatus CaptureSession::prepare()
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
        return ended(DownloadEnding::PortNotOpened, found.reason());
    device_ = device;
    port_.emplace(device);
    return ExitStatus::Saved;
}

// A capture may follow a transfer at once (the one before in the series, or another run's),
// while the instrument still repeats that transfer's EOT (the download never answers it) and
// does not listen: the request is repeated until a transfer starts or the start time-out has
// passed.
void CaptureSession::startDownload()
{
    firstBlock_ = true;
    download_.start(*port_, RequestPolicy{RepeatRequestMs});
}

void CaptureSession::finished(const DownloadResult& result)
{
    status_.clear();
    if (result.complete()) {
        if (const ExitStatus saved = save(result, index_); saved != ExitStatus::Saved)
            return end(saved);
        if (!endless() && index_ >= setup_.count)
            return end(ExitStatus::Saved);
        if (interrupted_)
            return end(ExitStatus::Interrupted);
        ++index_;
        return startDownload();
    }
    if (interrupted_)
        return end(ExitStatus::Interrupted);
    // A series without end never gives up waiting.
    if (result.ending == DownloadEnding::TimedOut && endless())
        return startDownload();
    end(ended(result.ending, result.reason));
}

void CaptureSession::interrupt()
{
    if (interrupted_)
        return;
    interrupted_ = true;
    if (download_.running()) {
        log(TransferLog::cancelled());
        download_.requestStop();
    }
}

void CaptureSession::end(ExitStatus status)
{
    if (status == ExitStatus::Interrupted)
        fail(QStringLiteral("Interrupted."));
    if (done_)
        done_(status);
}

ExitStatus CaptureSession::ended(DownloadEnding ending, const QString& reason)
{
    const ExitStatus status = EndingTable::row(ending).exitStatus;
    if (status == ExitStatus::Interrupted)
        return status;
    QString message = EndingTable::sentence(ending, device_, setup_.timings.timeoutSeconds);
    if (!reason.isEmpty())
        message += QLatin1Char(' ') + reason;
    fail(message);
    return status;
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
    QString message = EndingTable::sentence(DownloadEnding::NotAPicture, device_);
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
