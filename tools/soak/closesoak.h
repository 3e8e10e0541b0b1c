#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <random>

class DsoSimProcess;
class QProcess;

// Closes of the window program as a separate process on an X display, with the cores kept busy
// by other processes: in turn while it is idle, waits for the instrument, receives (with a random
// fault in the transfer), shows a message box and shows a file dialog. Each close is asked for
// with SIGTERM and timed until the process has ended.
class CloseSoak {
public:
    struct Settings {
        QString app; // the window program
        int count = 24;
        std::uint32_t seed = 1;
    };

    explicit CloseSoak(Settings settings);

    // Prints one line per close and the summary; false when a round could not be run.
    [[nodiscard]] bool run();

private:
    enum class Moment { Idle, Waiting, Receiving, MessageBox, FileDialog };
    static constexpr int Moments = 5;

    [[nodiscard]] bool prepare();
    [[nodiscard]] bool round(int number, Moment moment);
    [[nodiscard]] bool writeSettings() const;
    [[nodiscard]] bool settingsKept() const;
    [[nodiscard]] bool startSimulator(DsoSimProcess& sim, Moment moment, int number);
    [[nodiscard]] bool bringToMoment(QProcess& app, DsoSimProcess& sim, Moment moment);
    [[nodiscard]] int between(int low, int high);

    Settings settings_;
    // In the current folder, on disk like the user's configuration folder.
    QTemporaryDir dir_{QDir::current().filePath(QStringLiteral("soak-XXXXXX"))};
    QString sample_;
    std::mt19937 random_;
    qint64 longestMs_ = 0;
};
