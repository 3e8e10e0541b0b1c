#pragma once

#include <QProcess>

#include <memory>
#include <vector>

// Busy processes that keep the processor's cores occupied while they live: one
// `sha256sum /dev/zero` per core asked for.
class CpuLoad {
public:
    explicit CpuLoad(int processes);
    ~CpuLoad();
    CpuLoad(const CpuLoad&) = delete;
    CpuLoad& operator=(const CpuLoad&) = delete;

    [[nodiscard]] bool running() const;

private:
    std::vector<std::unique_ptr<QProcess>> processes_;
};
