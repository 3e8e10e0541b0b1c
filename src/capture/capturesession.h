#pragma once

#include "capturelog.h"
#include "captureoptions.h"
#include "capturesettings.h"
#include "deviceport.h"
#include "exitstatus.h"
#include "outputnaming.h"
#include "receivedpicture.h"
#include "screenshotdownload.h"
#include "statusline.h"
#include "systemclock.h"

#include <QElapsedTimer>

#include <functional>
#include <optional>

// Runs the captures one after the other, each a new download through the shared driver, and
// saves each picture; all from the event loop. Stops at the first failure; a series without end
// never stops waiting for the next transfer to start.
class CaptureSession final : public DownloadListener {
public:
    struct Setup {
        std::optional<PortArgument> port; // none: the stored one, else the first found
        std::optional<std::int32_t> storedPort;
        QString iniPath;
        DownloadTimings timings;
        QString output; // as given; empty for time-stamped names
        int count = 1;  // 0: until interrupted
        bool printable = false;
        QString logFile;

        // The command line first, then what the window stored.
        [[nodiscard]] static Setup make(const CaptureOptions& options,
                                        const CaptureSettings& settings, const QString& iniPath);
    };

    CaptureSession(Setup setup, StatusLine& status);

    // Begins the series; `done` is called once, from the event loop, with the exit status.
    void start(std::function<void(ExitStatus)> done);
    // A termination signal: a transfer under way is cancelled with the instrument, and the
    // series ends.
    void interrupt();

    [[nodiscard]] DownloadTimings timings() const override;
    [[nodiscard]] bool logging() const override { return log_.isOpen(); }
    void log(const QStringList& lines) override;
    void countdown(std::int64_t secondsLeft) override;
    void blockArrived() override;
    void progress(std::int64_t received, std::int64_t expected) override;
    void finished(const DownloadResult& result) override;

private:
    [[nodiscard]] ExitStatus prepare();
    void startDownload();
    void end(ExitStatus status);
    [[nodiscard]] ExitStatus ended(DownloadEnding ending, const QString& reason);
    [[nodiscard]] ExitStatus save(const DownloadResult& result, int index);
    [[nodiscard]] ExitStatus keepRaw(const DownloadResult& result, const ReceivedPicture& received,
                                     int index);
    // Writes the file; when that fails, keeps the bytes in another place and says where.
    [[nodiscard]] bool keep(const QByteArray& bytes, const QString& name);
    [[nodiscard]] bool endless() const { return setup_.count == 0; }
    void fail(const QString& message);

    Setup setup_;
    StatusLine& status_;
    std::function<void(ExitStatus)> done_;
    std::optional<DevicePort> port_;
    SystemClock clock_;
    ScreenshotDownload download_{*this, clock_};
    OutputNaming naming_;
    CaptureLog log_;
    QString device_;
    int index_ = 1; // the capture under way
    bool interrupted_ = false;
    bool firstBlock_ = true;
    QElapsedTimer transfer_; // since the first block
    std::int64_t firstBlockBytes_ = 0;
};
