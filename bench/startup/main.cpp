// orvisnap-startup-bench: what a start and an idle hour of the window program cost next to a bare
// Qt window. Both are started in turn on the X display (Xvfb, no window manager), each timed from
// its process start to the server's mapping of its window; then each idles, shown, with no
// download, and is closed. Run scripts/bench.sh startup.
#include "measuredprocess.h"
#include "xwatch.h"

#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 12;
    double idleSeconds = 2.0;   // per run, after the window has settled
    std::string launcher;       // e.g. "wine" for a Windows build
    bool closeByWindow = false; // the close box instead of SIGTERM (Windows has no signals)
    std::string folder = ".";   // the programs' current folder
    std::string programs[2];    // the window program, the bare window
    std::string titles[2] = {"Orvisnap ", "Bare window"}; // how their windows' titles begin
};

struct Sample {
    double startMs = 0.0; // process start to the mapping of its window
    double cpuMs = 0.0;   // processor time until then
    std::int64_t idleSwitches = 0;
    double closeMs = 0.0; // SIGTERM (or close box) to the end of the process
};

const char* const Names[2] = {"orvisnap", "bare"};

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2.0;
}

std::optional<Sample> measure(XWatch& watch, const Options& options, int which)
{
    std::vector<std::string> command;
    if (!options.launcher.empty())
        command.push_back(options.launcher);
    command.push_back(options.programs[which]);
    watch.drain();
    MeasuredProcess process(command, options.folder);
    if (!process.started())
        return std::nullopt;
    const auto mapped =
        watch.waitForWindowOf(process.pid(), options.titles[which], Clock::now() + 60s);
    if (!mapped)
        return std::nullopt;
    Sample sample;
    sample.startMs =
        std::chrono::duration<double, std::milli>(mapped->at - process.startedAt()).count();
    sample.cpuMs = process.cpuMs();
    std::this_thread::sleep_for(1s); // past the first-sight work and the start timer
    const MeasuredProcess::Switches before = process.switches();
    std::this_thread::sleep_for(std::chrono::duration<double>(options.idleSeconds));
    sample.idleSwitches = MeasuredProcess::between(before, process.switches());
    if (options.closeByWindow)
        watch.requestClose(mapped->window);
    sample.closeMs = process.endAfter(options.closeByWindow ? 0 : SIGTERM, 10s);
    return sample;
}

void printRow(int run, int which, const Sample& s, double idleSeconds)
{
    std::printf("%4d  %-9s %9.1f %8.1f %10.2f %9.1f\n", run, Names[which], s.startMs, s.cpuMs,
                static_cast<double>(s.idleSwitches) / idleSeconds, s.closeMs);
}

bool parse(int argc, char* argv[], Options& options)
{
    int given = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (arg == "--idle" && hasValue)
            options.idleSeconds = std::max(0.1, std::atof(argv[++i]));
        else if (arg == "--launcher" && hasValue)
            options.launcher = argv[++i];
        else if (arg == "--folder" && hasValue)
            options.folder = argv[++i];
        else if (arg == "--close-box")
            options.closeByWindow = true;
        else if (given < 2 && arg.rfind("--", 0) != 0)
            options.programs[given++] = arg;
        else
            return false;
    }
    return given == 2;
}
} // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: orvisnap-startup-bench [--runs N] [--idle SECONDS] "
                             "[--launcher PROGRAM] [--close-box] [--folder DIR] WINDOW BARE\n");
        return 2;
    }
    XWatch watch;
    if (!watch.connected()) {
        std::fprintf(stderr, "orvisnap-startup-bench: no X display\n");
        return 1;
    }
    const char* close = options.closeByWindow ? "close_ms" : "sigterm_ms";
    std::printf("run   program    start_ms   cpu_ms  wakeups/s %9s\n", close);
    std::vector<Sample> samples[2];
    // Run 0 warms the caches (files, fonts, the launcher) and is not counted.
    for (int run = 0; run <= options.runs; ++run)
        for (int which = 0; which < 2; ++which) {
            const auto sample = measure(watch, options, which);
            if (!sample || sample->closeMs < 0) {
                std::fprintf(stderr, "orvisnap-startup-bench: %s did not %s\n", Names[which],
                             sample ? "end" : "show its window");
                return 1;
            }
            if (run > 0) {
                printRow(run, which, *sample, options.idleSeconds);
                samples[which].push_back(*sample);
            }
        }
    double start[2], cpu[2], wakeups[2], closing[2];
    for (int which = 0; which < 2; ++which) {
        std::vector<double> s, c, e;
        std::int64_t switches = 0;
        for (const Sample& sample : samples[which]) {
            s.push_back(sample.startMs);
            c.push_back(sample.cpuMs);
            e.push_back(sample.closeMs);
            switches += sample.idleSwitches;
        }
        start[which] = median(s);
        cpu[which] = median(c);
        closing[which] = median(e);
        wakeups[which] = static_cast<double>(switches) / (options.idleSeconds * options.runs);
    }
    std::printf("\nmedians over %d runs each; wake-ups: context switches per idle second\n",
                options.runs);
    std::printf("startup_ratio=%.2f orvisnap_start_ms=%.1f bare_start_ms=%.1f "
                "orvisnap_cpu_ms=%.1f bare_cpu_ms=%.1f orvisnap_wakeups_per_s=%.2f "
                "bare_wakeups_per_s=%.2f orvisnap_%s=%.1f bare_%s=%.1f\n",
                start[0] / start[1], start[0], start[1], cpu[0], cpu[1], wakeups[0], wakeups[1],
                close, closing[0], close, closing[1]);
    return 0;
}
