#include "cpuload.h"

CpuLoad::CpuLoad(int processes)
{
    for (int i = 0; i < processes; ++i) {
        auto process = std::make_unique<QProcess>();
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(QStringLiteral("sha256sum"), {QStringLiteral("/dev/zero")});
        process->waitForStarted(5000);
        processes_.push_back(std::move(process));
    }
}

CpuLoad::~CpuLoad()
{
    for (const auto& process : processes_) {
        process->kill();
        process->waitForFinished(5000);
    }
}

bool CpuLoad::running() const
{
    for (const auto& process : processes_)
        if (process->state() != QProcess::Running)
            return false;
    return !processes_.empty();
}
