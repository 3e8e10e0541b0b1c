#pragma once

#include "dsosimprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <map>
#include <memory>

class MainWindow;
class ScriptedPrompts;

// The window's download, clicked again and again in this process against the simulated
// instrument with a random fault in every transfer. Each outcome is judged by what the window
// shows and wrote: the picture that was sent (ok), the picture of before (no picture: a closed
// line, a time-out), or anything else (wrong). Every click starts from the main event loop, as
// a user's does, so what the program leaves to that loop is done between downloads.
class DownloadSoak : public QObject {
    Q_OBJECT
public:
    struct Settings {
        int count = 200;
        std::uint32_t seed = 1;
        QString picture = QStringLiteral("small"); // a sample kind of the simulator
    };

    explicit DownloadSoak(Settings settings);
    ~DownloadSoak() override;

    // Prepares and starts; the application's exit code tells the result.
    [[nodiscard]] bool start();

private:
    enum class Verdict { Ok, NoPicture, Wrong };

    void downloadNext();
    void downloadEnded();
    [[nodiscard]] Verdict judge(const QImage& marker, QString& why) const;
    void report(int number, Verdict verdict, const QString& why, const QString& fault, qint64 ms);
    void finish();

    Settings settings_;
    // In the current folder, on disk as a user's working folder is.
    QTemporaryDir dir_{QDir::current().filePath(QStringLiteral("soak-XXXXXX"))};
    DsoSimProcess sim_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<MainWindow> window_;
    QByteArray expectedFile_; // as the working file holds it: padded, palette patched
    QImage expectedImage_;
    int simLines_ = 1; // the simulator's lines so far: one more after each closed one
    int done_ = 0;
    int ok_ = 0;
    int wrong_ = 0;
    std::map<QString, int> noPicture_; // by what the window said
    std::int64_t rssAtTenthKb_ = 0;
    QElapsedTimer clock_;
    QImage marker_; // what the window shows before the download under way
    QTimer watchdog_;
    QElapsedTimer took_;
};
