#pragma once

#include "comportlist.h"
#include "downloadlistener.h"
#include "screenshotdownload.h"
#include "systemclock.h"

#include <QImage>
#include <QWidget>

#include <memory>

class Prompts;
class QPushButton;

// The download as the window shows it: the "Download from DSO" and "Cancel" buttons, one above
// the other, and behind them the driver of the shared download. It tells the window what to
// show (the waiting picture, the counter, the status bar's words, the picture that came or the
// one to show again) and what to log, and writes the working file "TMP.BMP".
class DownloadController : public QWidget, private DownloadListener {
    Q_OBJECT
public:
    // The gap between the two buttons.
    static constexpr int ButtonGap = 2;

    DownloadController(Prompts& prompts, QWidget* parent = nullptr);
    ~DownloadController() override;

    // The port the next download opens, by its number in `ports`.
    void setPort(const ComPortList& ports, std::int32_t number);
    // Read at every wait of a running download too: a change takes effect at once.
    void setTimings(const DownloadTimings& timings);
    void setLogging(bool on);

    [[nodiscard]] bool running() const { return download_.running(); }
    // Starts a download. `shown` is the picture shown now: it goes into the working file, and
    // comes back when the download brings none.
    void start(const QImage& shown, const QString& what);
    // Ends a running download now, in order: the instrument told where due, the port closed.
    // For a window that closes; nothing is reported.
    void abort();

    // One column of one width, after the texts have made room for a longer translation.
    void alignButtons();

    [[nodiscard]] QWidget* firstInTabOrder() const;
    [[nodiscard]] QWidget* lastInTabOrder() const;

signals:
    void downloadClicked();
    void waiting();
    void counterChanged(const QString& text);
    void statusChanged(const QString& text);
    void portOpenChanged(bool open);
    void logLines(const QStringList& lines);
    // `file`: the bytes as written to the working file.
    void pictureReceived(const QImage& picture, const QByteArray& file);
    // The picture to show: the one that came, or the one from before the download.
    void pictureChanged(const QImage& picture, const QString& what);
    void ended(DownloadEnding ending);

private:
    void onCancelClicked();
    void showReceived(const DownloadResult& result);
    void restore(const QImage& picture, const QString& what);
    void tell(DownloadEnding ending, const QString& detail);

    // DownloadListener
    [[nodiscard]] DownloadTimings timings() const override { return timings_; }
    [[nodiscard]] bool logging() const override { return logging_; }
    void log(const QStringList& lines) override;
    void portOpened() override;
    [[nodiscard]] Outcome readyToRequest() override;
    void countdown(std::int64_t secondsLeft) override;
    void blockArrived() override;
    void progress(std::int64_t received, std::int64_t expected) override;
    void finished(const DownloadResult& result) override;

    Prompts& prompts_;
    QPushButton* downloadButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    ComPortList ports_;
    std::int32_t portNumber_ = 0;
    DownloadTimings timings_;
    bool logging_ = false;
    QImage pictureBefore_;
    QString pictureBeforeWhat_;
    SystemClock clock_;
    std::unique_ptr<DownloadPort> port_;
    ScreenshotDownload download_{*this, clock_};
};
