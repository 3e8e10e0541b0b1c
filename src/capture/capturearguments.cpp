#include "capturearguments.h"

#include "systemserial.h"

#include <QRegularExpression>

#include <functional>
#include <limits>

namespace {
constexpr int MaxPort = 30;
constexpr std::int32_t MaxTimeoutSeconds = 86400;
constexpr std::int32_t MaxDelayMs = 60000;

// Sets one option from its value; gives the reason when the value is not acceptable.
using Setter = std::function<QString(CaptureOptions&, const QString&)>;

struct Option {
    QLatin1StringView name;
    bool takesValue;
    Setter set;
};

std::optional<std::int64_t> wholeNumber(const QString& text, std::int64_t low, std::int64_t high)
{
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,12}")));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const std::int64_t value = text.toLongLong();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

Setter numberInto(std::optional<std::int32_t> CaptureOptions::*field, std::int32_t low,
                  std::int32_t high, const char* unit)
{
    return [field, low, high, unit](CaptureOptions& options, const QString& value) -> QString {
        const auto number = wholeNumber(value, low, high);
        if (!number)
            return QStringLiteral("a whole number of %1 from %2 to %3")
                .arg(unit)
                .arg(low)
                .arg(high);
        options.*field = static_cast<std::int32_t>(*number);
        return {};
    };
}

QString setPort(CaptureOptions& options, const QString& value)
{
    static const QRegularExpression comName(
        QRegularExpression::anchoredPattern(QStringLiteral("(?:COM)?([0-9]+)")),
        QRegularExpression::CaseInsensitiveOption);
    if (value.isEmpty())
        return QStringLiteral("a port number, COMn or a device path");
    // Where the system names its ports itself, a command line may name any of them.
    if (const auto named = SystemSerial::portNumberOfName(value)) {
        options.port = PortArgument{*named, {}};
        return {};
    }
    const auto match = comName.match(value);
    if (!match.hasMatch()) {
        if (value.contains(QLatin1Char(','))) // the serial unit's port records are comma-separated
            return QStringLiteral("a device path without a comma");
        options.port = PortArgument{0, value};
        return {};
    }
    const auto number = wholeNumber(match.captured(1), 1, MaxPort);
    if (!number)
        return QStringLiteral("a port number from 1 to %1").arg(MaxPort);
    options.port = PortArgument{static_cast<std::int32_t>(*number), {}};
    return {};
}

QString setOutput(CaptureOptions& options, const QString& value)
{
    const bool known = value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
                       value.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    if (value != CaptureOptions::StandardOutput && (!known || value.size() <= 4))
        return QStringLiteral("a file name ending in .png or .bmp, or - for standard output");
    options.output = value;
    return {};
}

QString setCount(CaptureOptions& options, const QString& value)
{
    const auto number = wholeNumber(value, 0, std::numeric_limits<int>::max());
    if (!number)
        return QStringLiteral("a whole number, 0 for no end");
    options.count = static_cast<int>(*number);
    return {};
}

Setter flag(bool CaptureOptions::*field)
{
    return [field](CaptureOptions& options, const QString&) {
        options.*field = true;
        return QString();
    };
}

const QList<Option>& options()
{
    static const QList<Option> table{
        {QLatin1StringView("--port"), true, setPort},
        {QLatin1StringView("--output"), true, setOutput},
        {QLatin1StringView("--count"), true, setCount},
        // A time-out of 0 would give up before the instrument could start.
        {QLatin1StringView("--timeout"), true,
         numberInto(&CaptureOptions::timeoutSeconds, 1, MaxTimeoutSeconds, "seconds")},
        {QLatin1StringView("--rx-delay"), true,
         numberInto(&CaptureOptions::rxDelayMs, 0, MaxDelayMs, "milliseconds")},
        {QLatin1StringView("--nak-delay"), true,
         numberInto(&CaptureOptions::nakDelayMs, 0, MaxDelayMs, "milliseconds")},
        {QLatin1StringView("--log"), true,
         [](CaptureOptions& o, const QString& v) {
             o.logFile = v;
             return v.isEmpty() ? QStringLiteral("a file name") : QString();
         }},
        {QLatin1StringView("--list-ports"), false, flag(&CaptureOptions::listPorts)},
        {QLatin1StringView("--printable"), false, flag(&CaptureOptions::printable)},
        {QLatin1StringView("--quiet"), false, flag(&CaptureOptions::quiet)},
        {QLatin1StringView("--help"), false, flag(&CaptureOptions::help)},
        {QLatin1StringView("-h"), false, flag(&CaptureOptions::help)},
        {QLatin1StringView("--version"), false, flag(&CaptureOptions::version)},
    };
    return table;
}

const Option* find(QStringView name)
{
    for (const Option& option : options())
        if (option.name == name)
            return &option;
    return nullptr;
}

CaptureArguments::Parsed failed(QString error)
{
    return {std::nullopt, std::move(error)};
}
} // namespace

CaptureArguments::Parsed CaptureArguments::parse(const QStringList& arguments)
{
    CaptureOptions result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        const qsizetype equals = word.startsWith(QLatin1String("--")) ? word.indexOf('=') : -1;
        const QStringView name = equals < 0 ? QStringView(word) : QStringView(word).left(equals);
        const Option* option = find(name);
        if (!option)
            return failed(QStringLiteral("unknown argument '%1'").arg(word));
        QString value;
        if (equals >= 0) {
            if (!option->takesValue)
                return failed(QStringLiteral("%1 takes no value").arg(option->name));
            value = word.mid(equals + 1);
        } else if (option->takesValue) {
            if (++i >= arguments.size())
                return failed(QStringLiteral("%1 needs a value").arg(option->name));
            value = arguments.at(i);
        }
        if (const QString wanted = option->set(result, value); !wanted.isEmpty())
            return failed(QStringLiteral("%1 wants %2, not '%3'").arg(option->name, wanted, value));
    }
    return {result, {}};
}

QString CaptureArguments::usage()
{
    return QStringLiteral(
        R"(Usage: orvisnap-capture [OPTIONS]
Waits for the oscilloscope to send its screen over the serial port and saves it.

  --port P          COM number (1-30 or COMn) or device path (default: the port
                    stored by Orvisnap, else the first port found)
  --output FILE     FILE.png or FILE.bmp; - writes PNG to standard output
                    (default: DSO_yyyy-MM-dd_HH-mm-ss.png in the current folder)
  --count N         N captures one after the other, 0 until interrupted (default 1);
                    with several, FILE-2, FILE-3... name the later ones
  --timeout S       seconds to wait for each transfer to start (default: stored, 10)
  --rx-delay MS     wait before every read (default: stored, 30)
  --nak-delay MS    wait before draining a bad read (default: stored, 30)
  --log FILE        append the hex log of the exchange to FILE
  --list-ports      list the ports (COM number, device, what the system says it
                    is) and exit
  --printable       save a copy for paper: colours inverted, background white
  --quiet           no progress and no end lines, only errors
  -h, --help        show this text
  --version         show the version

Exit status: 0 every capture saved, 1 a file could not be written, 2 bad usage,
3 the port cannot be opened, 4 no transfer within the time-out, 5 no picture
came (the bytes are kept in FILE.raw), 6 the line was lost, 7 the instrument
was still sending an earlier picture (cancelled; start it again), 8 a block was
lost on the line (cancelled; start it again), 130 interrupted.
)");
}
