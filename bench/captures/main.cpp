// orvisnap-captures-bench: what opening the captures window costs in a folder of a long bench
// session: the file names, the listing with every capture's text fields, the first thumbnails,
// and the window itself made, filled and drawn, each the median of several runs. The files are
// fresh, so in the system's cache, as in a session that wrote them. Run scripts/bench.sh captures.
#include "capturesfolder.h"
#include "capturestore.h"
#include "captureswindow.h"
#include "filechooser.h"
#include "prompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Thumbnails = 40; // a window's first screenful
constexpr QSize ThumbnailSize(160, 120);

void printLine(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
}

QString ms(double value)
{
    return QString::number(value, 'f', 2);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2.0;
}

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(samples);
}

// As a list view asks for them: one by one, each scaled while it is read.
int makeThumbnails(const QStringList& paths)
{
    int made = 0;
    for (const QString& path : paths.first(std::min<qsizetype>(Thumbnails, paths.size()))) {
        QImageReader reader(path);
        reader.setScaledSize(ThumbnailSize);
        made += reader.read().isNull() ? 0 : 1;
    }
    return made;
}

// The window asks nothing while it opens.
class NoPrompts final : public Prompts {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool openFile(QWidget*, FileDialogState&) override { return false; }
    bool saveFile(QWidget*, FileDialogState&) override { return false; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
};

// The captures window made, filled from the folder and drawn once, as the user first sees it:
// the listing and the thumbnails of the rows it shows.
void openWindow(const CaptureStore& store)
{
    NoPrompts prompts;
    FileChooser files(prompts);
    CapturesWindow window(prompts, files, nullptr);
    window.showStore(store);
    (void)window.grab();
}

struct Options {
    int count = 1000;
    int runs = 7;
};

Options parse(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"count", "Captures in the folder (1000).", "N", "1000"});
    parser.addOption({"runs", "Runs of each measure (7).", "N", "7"});
    parser.process(app);
    return {std::max(1, parser.value("count").toInt()), std::max(1, parser.value("runs").toInt())};
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    const Options options = parse(app);
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("captures"));
    QElapsedTimer making;
    making.start();
    if (const Outcome made = MakeCapturesFolder(folder, options.count); !made) {
        std::fputs(qPrintable(made.reason() + QLatin1Char('\n')), stderr);
        return 1;
    }
    printLine(QStringLiteral("captures=%1 made_ms=%2 runs=%3")
                  .arg(options.count)
                  .arg(making.elapsed())
                  .arg(options.runs));

    const CaptureStore store(folder, options.count);
    qsizetype listed = 0;
    int thumbnails = 0;
    const double pathsMs = medianMs(options.runs, [&] { listed = store.paths().size(); });
    const double listMs = medianMs(options.runs, [&] { listed = store.list().captures.size(); });
    const QStringList paths = store.paths();
    const double thumbnailsMs = medianMs(options.runs, [&] { thumbnails = makeThumbnails(paths); });
    const double windowMs = medianMs(options.runs, [&] { openWindow(store); });
    if (listed != options.count || thumbnails != std::min(Thumbnails, options.count)) {
        std::fputs(
            qPrintable(QStringLiteral("listed %1, thumbnails %2\n").arg(listed).arg(thumbnails)),
            stderr);
        return 1;
    }
    printLine(QStringLiteral("paths_ms=") + ms(pathsMs));
    printLine(QStringLiteral("list_ms=") + ms(listMs));
    printLine(QStringLiteral("thumbnails_%1_ms=").arg(Thumbnails) + ms(thumbnailsMs));
    printLine(QStringLiteral("window_open_ms=") + ms(windowMs));
    printLine(QStringLiteral("captures_window_open_ms=%1 captures_list_ms=%2")
                  .arg(ms(windowMs), ms(listMs)));
    return 0;
}
