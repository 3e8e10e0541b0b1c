#include "szbridge.h"

#include "rawterminal.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {
const QString Sz = QStringLiteral("/usr/bin/sz");
constexpr char Nak = 0x15;
constexpr char Ack = 0x06;
constexpr char Eot = 0x04;
// Only if sz never said it was ready: slow enough that a second 'C' never meets a block.
constexpr qint64 RequestEveryMs = 10000;
// Long enough for the rest of a request; nothing else comes before sz has sent.
constexpr int RequestGatherMs = 200;

QByteArray readSome(int fd)
{
    char buffer[4096];
    const auto n = ::read(fd, buffer, sizeof buffer);
    return n > 0 ? QByteArray(buffer, n) : QByteArray();
}

// Reads and drops what comes from `fd` within `ms`.
void discardFor(int fd, int ms)
{
    QElapsedTimer clock;
    clock.start();
    for (qint64 left = ms; left > 0; left = ms - clock.elapsed()) {
        pollfd one{fd, POLLIN, 0};
        if (::poll(&one, 1, static_cast<int>(left)) > 0)
            (void)readSome(fd);
    }
}

void writeAll(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const auto n = ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (n > 0)
            done += n;
        else
            ::usleep(1000);
    }
}
} // namespace

SzBridge::~SzBridge()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (errorsFd_ >= 0)
        ::close(errorsFd_);
    if (sz_.state() != QProcess::NotRunning) {
        sz_.kill();
        sz_.waitForFinished(5000);
    }
}

bool SzBridge::available()
{
    return QFileInfo(Sz).isExecutable();
}

bool SzBridge::start(const QString& file)
{
    if (!receiverSide_.isValid() || !szSide_.isValid())
        return false;
    {
        // sz's stdin and stdout, open here only while sz starts.
        const RawTerminal slave(szSide_.slavePath());
        if (!slave.isOpen())
            return false;
        int errors[2] = {-1, -1};
        if (::pipe2(errors, O_CLOEXEC | O_NONBLOCK) != 0)
            return false;
        errorsFd_ = errors[0];
        const int fd = slave.fd();
        const int errorsOut = errors[1];
        sz_.setChildProcessModifier([fd, errorsOut] {
            ::dup2(fd, STDIN_FILENO);
            ::dup2(fd, STDOUT_FILENO);
            ::dup2(errorsOut, STDERR_FILENO);
        });
        sz_.start(Sz, {QStringLiteral("--xmodem"), QStringLiteral("-q"), file});
        ::close(errorsOut);
        if (!sz_.waitForStarted(10000))
            return false;
    }
    thread_ = std::thread([this] { relay(); });
    return true;
}

void SzBridge::relay()
{
    const int receiver = receiverSide_.masterFd();
    const int sender = szSide_.masterFd();
    bool heard = false;     // sz has sent something: requests are over
    char lastAnswer = 0;    // the receiver's last byte
    bool requested = false; // the receiver has asked at least once
    bool forwarded = false; // ... and sz has been asked
    QElapsedTimer sinceRequest;
    int errors = errorsFd_; // -1 once sz has closed it: poll() skips it then
    while (!stop_) {
        pollfd fds[3] = {{receiver, POLLIN, 0}, {sender, POLLIN, 0}, {errors, POLLIN, 0}};
        ::poll(fds, 3, 50);
        if ((fds[2].revents & POLLIN) != 0)
            takeErrors();
        else if ((fds[2].revents & (POLLHUP | POLLERR)) != 0)
            errors = -1;
        if ((fds[0].revents & POLLIN) != 0) {
            QByteArray bytes = readSome(receiver);
            if (!bytes.isEmpty())
                lastAnswer = bytes.back();
            if (!heard && bytes.contains(Nak)) {
                // One request, however many NAKs asked. The receiver's NAKs may come in
                // separate reads (a loaded machine); one passed on after sz has begun would
                // make it send its first block again.
                discardFor(receiver, RequestGatherMs);
                bytes.clear(); // the 'C' goes out below, once sz is ready
                requested = true;
            }
            writeAll(sender, bytes);
        }
        if ((fds[1].revents & POLLIN) != 0) {
            const QByteArray bytes = readSome(sender);
            heard = heard || !bytes.isEmpty();
            writeAll(receiver, bytes);
            if (bytes == QByteArray(1, Eot) && lastAnswer == Ack)
                writeAll(sender, QByteArray(1, Ack));
        }
        const bool due = !forwarded || sinceRequest.elapsed() >= RequestEveryMs;
        if (requested && !heard && szReady_ && due) {
            writeAll(sender, "C");
            forwarded = true;
            sinceRequest.start();
        }
    }
}

bool SzBridge::waitForSuccess(int ms)
{
    // The receiver's waits dispatch events, so sz may be known to have ended already.
    if (sz_.state() != QProcess::NotRunning && !sz_.waitForFinished(ms))
        return false;
    return sz_.exitStatus() == QProcess::NormalExit && sz_.exitCode() == 0;
}

void SzBridge::takeErrors()
{
    const QByteArray bytes = readSome(errorsFd_);
    const std::lock_guard lock(errorsLock_);
    szErrors_ += bytes;
    if (szErrors_.contains("receive command now"))
        szReady_ = true;
}

QByteArray SzBridge::szErrors()
{
    const std::lock_guard lock(errorsLock_);
    return szErrors_;
}
