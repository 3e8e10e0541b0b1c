#include "closesoak.h"

#include "cpuload.h"
#include "dsosimprocess.h"
#include "filehelpers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <optional>
#include <utility>

namespace {
constexpr int BusyProcesses = 2; // one per core of this machine
constexpr int StartMs = 30000;   // for the window to show, under load
constexpr int EndMs = 30000;     // beyond that a close is taken as hung and the process killed
// From the window's top left corner at picture size 2: the "Download from DSO" button, and a
// place on the picture.
constexpr int ButtonX = 310;
constexpr int ButtonY = 50;
constexpr int PictureX = 100;
constexpr int PictureY = 80;

[[nodiscard]] const char* nameOf(int moment)
{
    static const char* const names[] = {"idle", "waiting for the instrument",
                                        "receiving with a fault", "showing a message box",
                                        "showing a file dialog"};
    return names[moment];
}

// Runs a helper program to its end (at most `ms`); its standard output when it succeeded.
[[nodiscard]] std::optional<QByteArray> runTool(const QString& program, const QStringList& args,
                                                int ms)
{
    QProcess tool;
    tool.start(program, args);
    if (!tool.waitForFinished(ms)) {
        tool.kill();
        tool.waitForFinished(5000);
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return std::nullopt;
    return tool.readAllStandardOutput();
}

// Waits until the simulator's trace (--verbose) holds one of `texts`, taking its output in
// meanwhile.
[[nodiscard]] bool waitForTrace(DsoSimProcess& sim, QByteArray& trace, const QByteArrayList& texts,
                                int ms)
{
    const QDeadlineTimer deadline(ms);
    for (;;) {
        trace += sim.errorOutput();
        for (const QByteArray& text : texts)
            if (trace.contains(text))
                return true;
        if (deadline.hasExpired() || !sim.isRunning())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
}

void pause(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

// The stacks of a program that did not end, for finding out why, when gdb is there.
void keepStacks(const QProcess& app, int number)
{
    const auto stacks =
        runTool(QStringLiteral("gdb"),
                {QStringLiteral("-p"), QString::number(app.processId()), QStringLiteral("-batch"),
                 QStringLiteral("-ex"), QStringLiteral("thread apply all bt")},
                StartMs);
    const QString file = QDir::current().filePath(QStringLiteral("hung-close-%1.txt").arg(number));
    if (stacks && StringToFile(*stacks, file))
        std::printf("the stacks of the program that did not end are in %s\n", qPrintable(file));
}

// The first visible window of the process whose title matches `title` (a regular expression).
[[nodiscard]] QString waitForWindow(const QProcess& app, const QString& title)
{
    const auto found = runTool(QStringLiteral("xdotool"),
                               {QStringLiteral("search"), QStringLiteral("--sync"),
                                QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                QString::number(app.processId()), QStringLiteral("--name"), title},
                               StartMs);
    return found ? QString::fromLatin1(found->split('\n').value(0).trimmed()) : QString();
}

// Real pointer and key events (XTEST) at a place of the window.
[[nodiscard]] bool clickAt(const QString& window, int x, int y, const QStringList& keys = {})
{
    QStringList args{
        QStringLiteral("mousemove"), QStringLiteral("--window"), window,
        QString::number(x),          QString::number(y),         QStringLiteral("click"),
        QStringLiteral("1")};
    if (!keys.isEmpty())
        args << QStringLiteral("key") << keys;
    return runTool(QStringLiteral("xdotool"), args, StartMs).has_value();
}
} // namespace

CloseSoak::CloseSoak(Settings settings) : settings_(std::move(settings)), random_(settings_.seed) {}

int CloseSoak::between(int low, int high)
{
    return low + static_cast<int>(random_() % static_cast<unsigned>(high - low + 1));
}

bool CloseSoak::run()
{
    if (!prepare())
        return false;
    const CpuLoad load(BusyProcesses);
    if (!load.running()) {
        std::printf("closes: the processes that keep the cores busy did not start\n");
        return false;
    }
    std::printf("soak: %d closes of %s, %d busy processes beside it\n", settings_.count,
                qPrintable(settings_.app), BusyProcesses);
    bool all = true;
    for (int number = 1; number <= settings_.count; ++number)
        all = round(number, static_cast<Moment>((number - 1) % Moments)) && all;
    std::printf("closes=%d close_ms_max=%lld\n", settings_.count,
                static_cast<long long>(longestMs_));
    std::fflush(stdout);
    return all;
}

bool CloseSoak::prepare()
{
    sample_ = dir_.filePath(QStringLiteral("sent.bmp"));
    // The medium picture takes about ten seconds: long enough to close in the middle.
    return dir_.isValid() && DsoSimProcess::makeBmp(QStringLiteral("medium"), sample_);
}

// Written anew before every start: the program rewrites it at each close.
bool CloseSoak::writeSettings() const
{
    const QString folder = dir_.filePath(QStringLiteral("config/Orvisnap"));
    const QByteArray text = "[Common]\r\nCreationTime=2026-01-01 00:00:00\r\nLeft=0\r\nTop=0\r\n"
                            "BMPRes=2\r\n[Timings]\r\nTimeout=10\r\n[ComPort]\r\nPort=9\r\n"
                            "[Ports]\r\nCOM9=" +
                            dir_.filePath(QStringLiteral("dso")).toUtf8() + "\r\n";
    return QDir().mkpath(folder) &&
           StringToFile(text, folder + QStringLiteral("/Orvisnap.ini")).ok();
}

// The close writes the settings; the port and its map must have come through.
bool CloseSoak::settingsKept() const
{
    QByteArray text;
    return FileToString(dir_.filePath(QStringLiteral("config/Orvisnap/Orvisnap.ini")), text) &&
           text.contains("Port=9\r\n") && text.contains("COM9=");
}

bool CloseSoak::startSimulator(DsoSimProcess& sim, Moment moment, int number)
{
    // Without an instrument the download ends in a message box.
    if (moment == Moment::MessageBox)
        return true;
    QStringList args{QStringLiteral("--file"), sample_, QStringLiteral("--link"),
                     dir_.filePath(QStringLiteral("dso")), QStringLiteral("--verbose")};
    if (moment == Moment::Waiting) // the user is still pressing the instrument's buttons
        args << QStringLiteral("--start-delay-ms") << QStringLiteral("60000");
    if (moment == Moment::Receiving)
        args << QStringLiteral("--random-faults") << QString::number(settings_.seed + number);
    return !sim.start(args).isEmpty();
}

bool CloseSoak::round(int number, Moment moment)
{
    DsoSimProcess sim;
    if (!startSimulator(sim, moment, number) || !writeSettings()) {
        std::printf("close %d: the simulator or the settings file could not be prepared\n", number);
        return false;
    }
    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the display's own platform
    app.setProcessEnvironment(environment);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.setWorkingDirectory(dir_.path()); // where the working file goes
    app.start(settings_.app, {});
    if (!app.waitForStarted(StartMs) || !bringToMoment(app, sim, moment)) {
        std::printf("close %d (%s): the program could not be brought there\n", number,
                    nameOf(static_cast<int>(moment)));
        app.kill();
        app.waitForFinished(EndMs);
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
    const bool ended = app.waitForFinished(EndMs);
    const qint64 ms = clock.elapsed();
    if (!ended) {
        keepStacks(app, number);
        app.kill();
        app.waitForFinished(EndMs);
    }
    longestMs_ = std::max(longestMs_, ms);
    const bool clean = ended && app.exitStatus() == QProcess::NormalExit && app.exitCode() == 0;
    const bool kept = settingsKept();
    std::printf("close %d/%d (%s): %lld ms%s%s\n", number, settings_.count,
                nameOf(static_cast<int>(moment)), static_cast<long long>(ms),
                clean ? "" : ", but the program did not end by itself with status 0",
                kept ? "" : ", and the settings file lost what it held");
    std::fflush(stdout);
    return clean && kept;
}

bool CloseSoak::bringToMoment(QProcess& app, DsoSimProcess& sim, Moment moment)
{
    const QString window = waitForWindow(app, QStringLiteral("^Orvisnap "));
    if (window.isEmpty())
        return false;
    QByteArray trace;
    switch (moment) {
    case Moment::Idle:
        break;
    case Moment::Waiting: // the countdown runs
        if (!clickAt(window, ButtonX, ButtonY) || !waitForTrace(sim, trace, {"request"}, StartMs))
            return false;
        break;
    case Moment::Receiving: {
        const QByteArray block = "block " + QByteArray::number(between(3, 200)) + " (";
        if (!clickAt(window, ButtonX, ButtonY) ||
            !waitForTrace(sim, trace, {block, "closing the line"}, 60000))
            return false;
        break;
    }
    case Moment::MessageBox: // "Error while opening COM port."
        if (!clickAt(window, ButtonX, ButtonY) ||
            waitForWindow(app, QStringLiteral("^Orvisnap$")).isEmpty())
            return false;
        break;
    case Moment::FileDialog: // Save as PNG
        if (!clickAt(window, PictureX, PictureY, {QStringLiteral("ctrl+shift+s")}) ||
            waitForWindow(app, QStringLiteral("^Save")).isEmpty())
            return false;
        break;
    }
    pause(between(50, 1500));
    return true;
}
