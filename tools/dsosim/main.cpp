// dsosim: a simulated oscilloscope that sends its screen over a pseudo-terminal with XModem-CRC.
#include "optionparser.h"
#include "pseudoterminal.h"
#include "ptyline.h"
#include "randomfaults.h"
#include "samplefile.h"
#include "signalwatch.h"
#include "symlinkguard.h"
#include "xmodemsender.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {
constexpr int kUsageError = 2;

[[nodiscard]] std::vector<std::uint8_t> fileToSend(const SimOptions& options)
{
    if (!options.file.empty())
        return SampleFile::read(options.file);
    return options.notBmp ? SampleFile::notBmp() : SampleFile::bmp("medium");
}

[[nodiscard]] int simulate(const SimOptions& options)
{
    const std::vector<std::uint8_t> file = fileToSend(options);
    const SignalWatch signals;
    std::optional<RandomFaults> randomFaults;
    if (options.randomFaultSeed)
        randomFaults.emplace(*options.randomFaultSeed);
    std::unique_ptr<SymlinkGuard> link;
    // With --loop a closed line is plugged in again: the old pseudo-terminal is gone, so the
    // receiver sees a hang-up, and a new one takes its place behind the same link.
    for (;;) {
        const PseudoTerminal pty;
        // The old link goes first: the new slave may have the same path.
        link.reset();
        if (!options.link.empty())
            link = std::make_unique<SymlinkGuard>(options.link, pty.slavePath());
        // Whoever started us waits for this line before opening the device.
        std::printf("PTY %s\n", pty.slavePath().c_str());
        std::fflush(stdout);
        PtyLine line(pty, signals, options.baud, options.burstMs);
        line.keepInput(options.keepsInput);
        XmodemSender sender(line, options, file, randomFaults ? &*randomFaults : nullptr);
        const int status = sender.run();
        if (!options.loop || !sender.lineClosed())
            return status;
    }
}
} // namespace

int main(int argc, char** argv)
{
    try {
        const SimOptions options = OptionParser::parse(argc, argv);
        if (options.help) {
            std::fputs(OptionParser::usage(), stdout);
            return 0;
        }
        if (!options.makeBmpKind.empty()) {
            SampleFile::write(options.makeBmpOut, SampleFile::bmp(options.makeBmpKind));
            return 0;
        }
        return simulate(options);
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "dsosim: %s\n(try --help)\n", error.what());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "dsosim: %s\n", error.what());
    }
    return kUsageError;
}
