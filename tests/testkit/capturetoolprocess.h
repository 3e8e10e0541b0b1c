#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs orvisnap-capture as a user's script does: its own process, its own current folder,
// standard output and error collected.
class CaptureToolProcess {
public:
    struct Ended {
        bool exited = false; // by itself, within the time given
        int exitCode = -1;
        double seconds = 0.0; // from start to exit
        QByteArray standardOutput;
        QString standardError;
    };

    CaptureToolProcess() = default;
    ~CaptureToolProcess();
    CaptureToolProcess(const CaptureToolProcess&) = delete;
    CaptureToolProcess& operator=(const CaptureToolProcess&) = delete;

    // `program` runs the tool: the tool itself, or a runner such as Wine given the tool first.
    void start(const QStringList& arguments, const QString& folder,
               const QString& program = executable());
    // Sends a signal (SIGINT, SIGTERM) to the running tool.
    void signal(int number);
    // Before start: the tool's standard output goes to `path` (a named pipe, say) instead.
    void outputTo(const QString& path);
    // Waits at most `ms` for the tool to exit; one killed then counts as not exited.
    [[nodiscard]] Ended wait(int ms);

    [[nodiscard]] static Ended run(const QStringList& arguments, const QString& folder, int ms,
                                   const QString& program = executable());
    [[nodiscard]] static QString executable();

private:
    QProcess process_;
    qint64 startedNs_ = 0;
};
