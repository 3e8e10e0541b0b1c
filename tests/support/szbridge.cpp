#include "szbridge.h"

#include "rawterminal.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <poll.h>
#include <unistd.h>

namespace {
const QString Sz = QStringLiteral("/usr/bin/sz");
constexpr char Nak = 0x15;
constexpr char Ack = 0x06;
constexpr char Eot = 0x04;
// Slow enough that a second 'C' never meets a block already on its way.
constexpr qint64 RequestEveryMs = 3000;
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
        const int fd = slave.fd();
        sz_.setChildProcessModifier([fd] {
            ::dup2(fd, STDIN_FILENO);
            ::dup2(fd, STDOUT_FILENO);
        });
        sz_.start(Sz, {QStringLiteral("--xmodem"), QStringLiteral("-q"), file});
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
    QElapsedTimer sinceRequest;
    while (!stop_) {
        pollfd fds[2] = {{receiver, POLLIN, 0}, {sender, POLLIN, 0}};
        ::poll(fds, 2, 50);
        if ((fds[0].revents & POLLIN) != 0) {
            QByteArray bytes = readSome(receiver);
            if (!bytes.isEmpty())
                lastAnswer = bytes.back();
            if (!heard && bytes.contains(Nak)) {
                // One request, however many NAKs asked. The receiver's NAKs may come in
                // separate reads (a loaded machine); one passed on after sz has begun would
                // make it send its first block again.
                discardFor(receiver, RequestGatherMs);
                bytes = "C";
                requested = true;
                sinceRequest.start();
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
        if (requested && !heard && sinceRequest.elapsed() >= RequestEveryMs) {
            writeAll(sender, "C");
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

QByteArray SzBridge::szErrors()
{
    return sz_.readAllStandardError();
}
