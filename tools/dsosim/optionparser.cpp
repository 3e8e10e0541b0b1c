#include "optionparser.h"

#include <charconv>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {
using Setter = std::function<void(SimOptions&, const std::vector<std::string_view>&)>;

struct OptionEntry {
    std::string_view name;
    int valueCount;
    Setter set;
};

[[nodiscard]] long long number(std::string_view text, long long low, long long high)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw std::invalid_argument("bad number '" + std::string(text) + "'");
    return value;
}

[[nodiscard]] int millisValue(std::string_view text)
{
    return static_cast<int>(number(text, 0, 3'600'000));
}

[[nodiscard]] std::size_t blockValue(std::string_view text)
{
    return static_cast<std::size_t>(number(text, 1, std::numeric_limits<int>::max()));
}

[[nodiscard]] std::vector<std::size_t> blockList(std::string_view text)
{
    std::vector<std::size_t> blocks;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        blocks.push_back(blockValue(text.substr(start, comma - start)));
        start = comma + 1;
    }
    return blocks;
}

void setStall(SimOptions& o, std::string_view text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        throw std::invalid_argument("--stall wants BLOCK:MS");
    o.faults.stallBlock = blockValue(text.substr(0, colon));
    o.faults.stallMs = millisValue(text.substr(colon + 1));
}

void setMakeBmp(SimOptions& o, std::string_view kind, std::string_view out)
{
    if (kind != "small" && kind != "medium" && kind != "large")
        throw std::invalid_argument("--make-bmp KIND is small, medium or large");
    o.makeBmpKind = kind;
    o.makeBmpOut = out;
}

using V = std::vector<std::string_view>;

const std::vector<OptionEntry>& optionTable()
{
    static const std::vector<OptionEntry> table = {
        {"--file", 1, [](SimOptions& o, const V& v) { o.file = v[0]; }},
        {"--not-bmp", 0, [](SimOptions& o, const V&) { o.notBmp = true; }},
        {"--make-bmp", 2, [](SimOptions& o, const V& v) { setMakeBmp(o, v[0], v[1]); }},
        {"--link", 1, [](SimOptions& o, const V& v) { o.link = v[0]; }},
        {"--baud", 1,
         [](SimOptions& o, const V& v) {
             o.baud = static_cast<int>(number(v[0], 50, 20'000'000));
         }},
        {"--burst-ms", 1, [](SimOptions& o, const V& v) { o.burstMs = millisValue(v[0]); }},
        {"--start-delay-ms", 1,
         [](SimOptions& o, const V& v) { o.startDelayMs = millisValue(v[0]); }},
        {"--reply-delay-ms", 1,
         [](SimOptions& o, const V& v) { o.replyDelayMs = millisValue(v[0]); }},
        {"--answer-timeout-ms", 1,
         [](SimOptions& o, const V& v) { o.answerTimeoutMs = millisValue(v[0]); }},
        {"--eot-repeats", 1,
         [](SimOptions& o, const V& v) { o.eotRepeats = static_cast<int>(number(v[0], 0, 1000)); }},
        {"--eot-interval-ms", 1,
         [](SimOptions& o, const V& v) { o.eotIntervalMs = millisValue(v[0]); }},
        {"--corrupt-crc", 1,
         [](SimOptions& o, const V& v) { o.faults.corruptCrc = blockList(v[0]); }},
        {"--corrupt-every", 1,
         [](SimOptions& o, const V& v) { o.faults.corruptEvery = blockValue(v[0]); }},
        {"--noise-before", 1,
         [](SimOptions& o, const V& v) { o.faults.noiseBefore = blockValue(v[0]); }},
        {"--stall", 1, [](SimOptions& o, const V& v) { setStall(o, v[0]); }},
        {"--lost-ack", 1, [](SimOptions& o, const V& v) { o.faults.lostAck = blockValue(v[0]); }},
        {"--close-after", 1,
         [](SimOptions& o, const V& v) { o.faults.closeAfter = blockValue(v[0]); }},
        {"--random-faults", 1,
         [](SimOptions& o, const V& v) {
             o.randomFaultSeed = static_cast<std::uint32_t>(number(v[0], 0, 0xFFFFFFFFLL));
         }},
        {"--skip-block", 1,
         [](SimOptions& o, const V& v) { o.faults.skipBlock = blockValue(v[0]); }},
        {"--eot-first", 0, [](SimOptions& o, const V&) { o.faults.eotFirst = true; }},
        {"--cancel-after", 1,
         [](SimOptions& o, const V& v) { o.faults.cancelAfter = blockValue(v[0]); }},
        {"--silent-after", 1,
         [](SimOptions& o, const V& v) { o.faults.silentAfter = blockValue(v[0]); }},
        {"--bad-complement", 1,
         [](SimOptions& o, const V& v) { o.faults.badComplement = blockValue(v[0]); }},
        {"--keeps-input", 0, [](SimOptions& o, const V&) { o.keepsInput = true; }},
        {"--first-block", 1, [](SimOptions& o, const V& v) { o.firstBlock = blockValue(v[0]); }},
        {"--loop", 0, [](SimOptions& o, const V&) { o.loop = true; }},
        {"--verbose", 0, [](SimOptions& o, const V&) { o.verbose = true; }},
        {"--help", 0, [](SimOptions& o, const V&) { o.help = true; }},
    };
    return table;
}

[[nodiscard]] const OptionEntry& findOption(std::string_view name)
{
    for (const auto& entry : optionTable()) {
        if (entry.name == name || (name == "-h" && entry.name == "--help"))
            return entry;
    }
    throw std::invalid_argument("unknown option '" + std::string(name) + "'");
}
} // namespace

SimOptions OptionParser::parse(int argc, const char* const* argv)
{
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const OptionEntry& entry = findOption(argv[i]);
        if (i + entry.valueCount > argc - 1)
            throw std::invalid_argument(std::string(entry.name) + " needs a value");
        V values(argv + i + 1, argv + i + 1 + entry.valueCount);
        entry.set(options, values);
        i += entry.valueCount;
    }
    if (!options.file.empty() && options.notBmp)
        throw std::invalid_argument("--file and --not-bmp exclude each other");
    return options;
}

const char* OptionParser::usage()
{
    return R"(Usage: dsosim [OPTIONS]
Simulated oscilloscope: sends a BMP screen with XModem-CRC over a pseudo-terminal.
Prints "PTY <slave path>" first, and "summary blocks=N naks=N repeats=N seconds=S.SSS"
after each transfer.

  --file PATH             file to send (default: a generated 320x240 4 bpp picture)
  --not-bmp               send a generated file that is not a BMP
  --make-bmp KIND OUT     write a sample picture (small 128x64 1 bpp, medium 320x240 4 bpp,
                          large 320x240 24 bpp) to OUT and exit
  --link PATH             also make PATH a symlink to the slave (removed at exit)
  --baud N                line speed, 10 bits per byte (default 38400)
  --burst-ms N            deliver bytes in bursts every N ms, like a USB adapter (default off)
  --start-delay-ms N      wait N ms after the request before sending (default 0)
  --reply-delay-ms N      wait N ms after each answer before sending again (default 0)
  --answer-timeout-ms N   repeat a block when no answer comes in N ms (default 10000)
  --eot-repeats N         repeat EOT N times unless it is ACKed (default 2)
  --eot-interval-ms N     wait N ms for the ACK of each EOT (default 1000)
  --keeps-input           do not clear the input when the transfer starts, as some firmware
                          does: the request's second NAK answers block 1, and from then on
                          each answer is taken for the block after the one it answers
  --first-block K         begin the first transfer with block K, as an instrument whose
                          receiver went away mid-file goes on when asked again
  --loop                  serve request after request until SIGINT/SIGTERM
  --verbose               describe the exchange on stderr
  --help                  show this text

Faults (blocks counted from 1 in sending order):
  --corrupt-crc LIST      wrong CRC in the first transmission of these blocks (e.g. 2,5)
  --corrupt-every N       wrong CRC in every N-th block transmission
  --noise-before K        a few noise bytes before block K's first transmission
  --stall K:MS            stop for MS ms in the middle of block K's first transmission
  --lost-ack K            send block K again after its ACK, as if the ACK was lost
  --close-after K         close the line right after block K is acknowledged
  --skip-block K          never send block K: go on with the next
  --eot-first             send a lone EOT before any block: an empty transfer
  --cancel-after K        give up after block K is acknowledged: send CAN CAN, as senders do
  --silent-after K        stop sending after block K is acknowledged, the line still open (as
                          an instrument switched off at its end); the transfer is over when
                          the receiver cancels it (or after two minutes)
  --bad-complement K      block K's first transmission carries a complement that does not
                          match its number (its CRC good): noise on the block number
  --random-faults SEED    instead: one fault drawn for each transfer (none, wrong CRC, noise,
                          a stall of 100 to 1500 ms, a lost ACK, rarely a closed line) at a
                          random block; "fault KIND [BLOCK [MS]]" is printed when it starts

A block is repeated at most 10 times, then the transfer is given up; two CANs from the
receiver give it up at once, and the simulator waits for the next request. With --loop a closed
line is plugged in again: a new pseudo-terminal behind the same --link, announced by a new
"PTY" line.
Exit status: 0 finished (or closed by --close-after), 1 given up or cancelled by the
receiver, 2 bad usage or setup failure, 128+N on signal N.
)";
}
