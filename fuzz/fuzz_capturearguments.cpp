// orvisnap-capture's command line: arbitrary arguments (the input split at NUL bytes) give
// either options within their stated ranges or a usage error that says why, never both and
// never a crash.

#include "capturearguments.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QStringList arguments;
    for (const QByteArray& part : bytesOf(data, size).split('\0'))
        arguments << QString::fromUtf8(part);
    const CaptureArguments::Parsed parsed = CaptureArguments::parse(arguments);
    require(parsed.options.has_value() == parsed.error.isEmpty(), "options or a reason, not both");
    if (!parsed.options)
        return 0;
    const CaptureOptions& options = *parsed.options;
    require(options.count >= 0, "a count is never negative");
    const auto within = [](const std::optional<std::int32_t>& value, std::int32_t most) {
        return !value || (*value >= 0 && *value <= most);
    };
    require(within(options.timeoutSeconds, 86400), "a time-out within 0 to 86400 s");
    require(within(options.rxDelayMs, 60000) && within(options.nakDelayMs, 60000),
            "delays within 0 to 60000 ms");
    if (options.port && !options.port->isPath())
        require(options.port->number >= 1 && options.port->number <= 30, "ports 1 to 30");
    const QString& output = options.output;
    require(output.isEmpty() || output == CaptureOptions::StandardOutput ||
                output.endsWith(".png", Qt::CaseInsensitive) ||
                output.endsWith(".bmp", Qt::CaseInsensitive),
            "an output is PNG, BMP or standard output");
    return 0;
}
