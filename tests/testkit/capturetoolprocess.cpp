#include "capturetoolprocess.h"

#include <QElapsedTimer>

#include <signal.h>

namespace {
qint64 nowNs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.nsecsElapsed();
}
} // namespace

CaptureToolProcess::~CaptureToolProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void CaptureToolProcess::start(const QStringList& arguments, const QString& folder,
                               const QString& program)
{
    process_.setWorkingDirectory(folder);
    startedNs_ = nowNs();
    process_.start(program, arguments);
    process_.waitForStarted(10000);
}

void CaptureToolProcess::signal(int number)
{
    if (process_.processId() > 0)
        ::kill(static_cast<pid_t>(process_.processId()), number);
}

void CaptureToolProcess::outputTo(const QString& path)
{
    process_.setStandardOutputFile(path);
}

CaptureToolProcess::Ended CaptureToolProcess::wait(int ms)
{
    Ended ended;
    if (!process_.waitForFinished(ms)) {
        process_.kill();
        process_.waitForFinished(5000);
    } else {
        ended.exited = process_.exitStatus() == QProcess::NormalExit;
    }
    ended.seconds = static_cast<double>(nowNs() - startedNs_) / 1e9;
    ended.exitCode = process_.exitCode();
    ended.standardOutput = process_.readAllStandardOutput();
    ended.standardError = QString::fromLocal8Bit(process_.readAllStandardError());
    return ended;
}

CaptureToolProcess::Ended CaptureToolProcess::run(const QStringList& arguments,
                                                  const QString& folder, int ms,
                                                  const QString& program)
{
    CaptureToolProcess tool;
    tool.start(arguments, folder, program);
    return tool.wait(ms);
}

QString CaptureToolProcess::executable()
{
    return QStringLiteral(ORVISNAP_CAPTURE);
}
