#include "rxreceive.h"

#include "filehelpers.h"
#include "rawterminal.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <unistd.h>

namespace {
constexpr int WatchdogMs = 600000;

// Runs the event loop meanwhile, so the simulator's output keeps being read.
bool waitForExit(QProcess& process)
{
    if (process.state() != QProcess::NotRunning) {
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(WatchdogMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return process.state() == QProcess::NotRunning;
}
} // namespace

bool RxReceive::available()
{
    return QFileInfo(QString::fromLatin1(Program)).isExecutable();
}

RxReceive::Result RxReceive::run(const QString& devicePath, const QString& outName)
{
    Result result;
    QFile::remove(outName);
    // The line stays open here for the whole run: closing the last descriptor of a pty slave
    // can drop the final ACK before the instrument has read it.
    const RawTerminal line(devicePath);
    if (!line.isOpen()) {
        result.problem = QStringLiteral("cannot open ") + devicePath;
        return result;
    }
    QProcess rx;
    const int fd = line.fd();
    rx.setChildProcessModifier([fd] {
        ::dup2(fd, STDIN_FILENO);
        ::dup2(fd, STDOUT_FILENO);
    });
    rx.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    rx.start(QString::fromLatin1(Program), {QStringLiteral("-c"), QStringLiteral("-q"), outName});
    if (!rx.waitForStarted(10000)) {
        result.problem = QStringLiteral("rx did not start");
        return result;
    }
    const bool exited = waitForExit(rx);
    result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (!exited) {
        rx.kill();
        rx.waitForFinished(5000);
        result.problem = QStringLiteral("rx hung");
    } else if (rx.exitStatus() != QProcess::NormalExit || rx.exitCode() != 0) {
        result.problem = QStringLiteral("rx failed: ") +
                         QString::fromLocal8Bit(rx.readAllStandardError()).simplified();
    } else if (!FileToString(outName, result.file)) {
        result.problem = QStringLiteral("rx wrote no file");
    } else {
        result.ok = true;
    }
    return result;
}
