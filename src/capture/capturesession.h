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

#include <QElapsedTimer>

#include <functional>
#include <optional>

// Runs the captures one after the other, each a new download through the shared driver, and
// saves each picture. Stops at the first failure; a series without end never stops waiting.
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

    // `interrupted` is asked between captures and while a download runs.
    CaptureSession(Setup setup, StatusLine& status, std::function<bool()> interrupted);

    [[nodiscard]] ExitStatus run();

    [[nodiscard]] DownloadTimings timings() const override;
    [[nodiscard]] bool logging() const override { return log_.isOpen(); }
    [[nodiscard]] bool stopRequested() override;
    void log(const QStringList& lines) override;
    void countdown(std::int64_t secondsLeft) override;
    void blockArrived() override;
    void progress(std::int64_t received, std::int64_t expected) override;

private:
    [[nodiscard]] ExitStatus runCaptures();
    [[nodiscard]] ExitStatus captureOnce(int index);
    [[nodiscard]] DownloadResult download(RequestPolicy policy);
    [[nodiscard]] ExitStatus ended(DownloadResult::Ending ending, const QString& reason);
    [[nodiscard]] ExitStatus save(const DownloadResult& result, int index);
    [[nodiscard]] ExitStatus keepRaw(const DownloadResult& result, const ReceivedPicture& received,
                                     int index);
    // Writes the file; when that fails, keeps the bytes in another place and says where.
    [[nodiscard]] bool keep(const QByteArray& bytes, const QString& name);
    [[nodiscard]] bool endless() const { return setup_.count == 0; }
    void fail(const QString& message);

    Setup setup_;
    StatusLine& status_;
    std::function<bool()> interrupted_;
    std::optional<DevicePort> port_;
    SystemClock clock_;
    ScreenshotDownload download_{*this};
    OutputNaming naming_;
    CaptureLog log_;
    QString device_;
    bool stop_ = false;
    bool firstBlock_ = true;
    QElapsedTimer transfer_; // since the first block
    std::int64_t firstBlockBytes_ = 0;
};
