#include "downloadsoak.h"

#include "bmpheader.h"
#include "filehelpers.h"
#include "mainwindow.h"
#include "pictureview.h"
#include "scaledimage.h"
#include "scriptedprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace {
constexpr int RssMarkDownload = 10;
// Far beyond any fault's delay: only a stuck download is cancelled.
constexpr int WatchdogMs = 120000;
constexpr int SimulatorWaitMs = 60000;
const QString WorkingFile = QStringLiteral("TMP.BMP");

[[nodiscard]] QImage asRgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The process's resident memory in KB, 0 where the system does not tell.
[[nodiscard]] std::int64_t residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// A picture that no download brings: what the window shows again when a download ends without
// one.
[[nodiscard]] QImage markerFor(int number)
{
    QImage marker(8, 8, QImage::Format_RGB32);
    marker.fill(QColor::fromHsv((number * 37) % 360, 200, 120));
    return marker;
}
} // namespace

DownloadSoak::DownloadSoak(Settings settings) : settings_(std::move(settings)) {}

DownloadSoak::~DownloadSoak() = default;

bool DownloadSoak::start()
{
    if (!dir_.isValid() || !QDir::setCurrent(dir_.path())) // the working file goes here
        return false;
    const QString sent = dir_.filePath(QStringLiteral("sent.bmp"));
    const QString link = dir_.filePath(QStringLiteral("dso"));
    if (!DsoSimProcess::makeBmp(settings_.picture, sent) || !FileToString(sent, expectedFile_))
        return false;
    PatchBMPBytes(expectedFile_, 240, 255, 0);
    expectedImage_ = asRgb(QImage::fromData(expectedFile_, "BMP"));
    while (expectedFile_.size() % 128 != 0)
        expectedFile_ += '\x1A';
    // The instrument's EOT is never answered: its wait for an answer is kept short.
    if (sim_.start({QStringLiteral("--loop"), QStringLiteral("--file"), sent,
                    QStringLiteral("--link"), link, QStringLiteral("--random-faults"),
                    QString::number(settings_.seed), QStringLiteral("--eot-repeats"),
                    QStringLiteral("0"), QStringLiteral("--eot-interval-ms"),
                    QStringLiteral("300")})
            .isEmpty())
        return false;
    prompts_ = std::make_unique<ScriptedPrompts>();
    window_ = std::make_unique<MainWindow>(*prompts_,
                                           MainWindow::Options{dir_.path(), std::nullopt, [link] {
                                                                   return ComPortList({{1, link}});
                                                               }});
    window_->findChild<QTimer*>(QStringLiteral("firstRunTimer"))->stop(); // no COM dialog
    window_->show();
    // Every click starts from the main event loop, as a user's does; the window tells the end.
    connect(window_.get(), &MainWindow::downloadEnded, this, &DownloadSoak::downloadEnded);
    watchdog_.setSingleShot(true);
    connect(&watchdog_, &QTimer::timeout,
            window_->findChild<QPushButton*>(QStringLiteral("cancelDownloadButton")),
            &QPushButton::click);
    std::printf("soak: %d downloads of the %s picture, random faults with seed %u\n",
                settings_.count, qPrintable(settings_.picture), settings_.seed);
    std::fflush(stdout);
    clock_.start();
    QTimer::singleShot(0, this, &DownloadSoak::downloadNext);
    return true;
}

void DownloadSoak::downloadNext()
{
    marker_ = markerFor(++done_);
    window_->findChild<PictureView*>()->showPicture(marker_, QStringLiteral("a marker"));
    prompts_->messages.clear();
    watchdog_.start(WatchdogMs);
    took_.start();
    window_->findChild<QPushButton*>(QStringLiteral("downloadButton"))->click();
}

void DownloadSoak::downloadEnded()
{
    const qint64 ms = took_.elapsed();
    const int number = done_;
    QString why = watchdog_.isActive() ? QString() : QStringLiteral("cancelled by the watchdog");
    watchdog_.stop();
    const Verdict verdict = judge(marker_, why);
    // A port that did not open asked the instrument for nothing.
    const auto summary = why.contains(QStringLiteral("opening COM port"))
                             ? std::nullopt
                             : sim_.waitForSummary(SimulatorWaitMs);
    const QString fault = summary ? summary->fault : QStringLiteral("(no transfer)");
    // After a closed line the next download needs the new line behind the link.
    if (fault.startsWith(QStringLiteral("close")) && !sim_.waitForLines(++simLines_, 10000))
        why += QStringLiteral(" (the simulator opened no new line)");
    report(number, verdict, why, fault, ms);
    if (number == RssMarkDownload)
        rssAtTenthKb_ = residentKb();
    if (number < settings_.count && sim_.isRunning())
        QTimer::singleShot(0, this, &DownloadSoak::downloadNext);
    else
        QTimer::singleShot(0, this, &DownloadSoak::finish);
}

DownloadSoak::Verdict DownloadSoak::judge(const QImage& marker, QString& why) const
{
    for (const ScriptedPrompts::Message& message : prompts_->messages)
        why += (why.isEmpty() ? QString() : QStringLiteral("; ")) + message.text;
    const QImage shown =
        asRgb(window_->findChild<ScaledImage*>(QStringLiteral("picture"))->image());
    if (shown == expectedImage_) {
        QByteArray working;
        if (!FileToString(WorkingFile, working) || working != expectedFile_) {
            why = QStringLiteral("the working file differs from what was sent");
            return Verdict::Wrong;
        }
        return why.isEmpty() ? Verdict::Ok : Verdict::NoPicture;
    }
    // Bytes that are no picture are a download that ended with the wrong file, too.
    if (shown != asRgb(marker) || why.contains(QStringLiteral("not a valid BMP"))) {
        if (why.isEmpty())
            why = QStringLiteral("the picture shown differs from what was sent");
        return Verdict::Wrong;
    }
    if (why.isEmpty())
        why = QStringLiteral("ended without a picture");
    return Verdict::NoPicture;
}

void DownloadSoak::report(int number, Verdict verdict, const QString& why, const QString& fault,
                          qint64 ms)
{
    const char* word = "ok";
    if (verdict == Verdict::Ok)
        ++ok_;
    else if (verdict == Verdict::Wrong) {
        ++wrong_;
        word = "WRONG";
    } else {
        ++noPicture_[why];
        word = "no picture";
    }
    std::printf("download %d/%d: %s after %.1f s, rss %lld KB, fault %s%s%s\n", number,
                settings_.count, word, static_cast<double>(ms) / 1000.0,
                static_cast<long long>(residentKb()), qPrintable(fault), why.isEmpty() ? "" : ": ",
                qPrintable(why));
    std::fflush(stdout);
}

void DownloadSoak::finish()
{
    const std::int64_t growth = done_ >= RssMarkDownload ? residentKb() - rssAtTenthKb_ : 0;
    for (const auto& [why, count] : noPicture_)
        std::printf("no picture %d time(s): %s\n", count, qPrintable(why));
    std::printf("soak downloads took %.0f s\n", static_cast<double>(clock_.elapsed()) / 1000.0);
    std::printf("downloads=%d ok=%d wrong=%d rss_growth_kb=%lld\n", done_, ok_, wrong_,
                static_cast<long long>(growth));
    std::fflush(stdout);
    QCoreApplication::exit(wrong_ == 0 && done_ == settings_.count ? 0 : 1);
}
