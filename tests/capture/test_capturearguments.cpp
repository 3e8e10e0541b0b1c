// The command line of orvisnap-capture: what each argument list means, or why it is refused.
#include "capturearguments.h"
#include "systemserial.h"

#include <QTest>

namespace {
QString optional(const std::optional<std::int32_t>& value)
{
    return value ? QString::number(*value) : QStringLiteral("-");
}

// Everything the parser decided, in one line to compare.
QString describe(const CaptureOptions& o)
{
    const QString port = !o.port            ? QStringLiteral("-")
                         : o.port->isPath() ? o.port->path
                                            : QStringLiteral("COM%1").arg(o.port->number);
    QStringList flags;
    for (const auto& [on, name] : {std::pair{o.printable, "printable"},
                                   {o.quiet, "quiet"},
                                   {o.help, "help"},
                                   {o.version, "version"},
                                   {o.listPorts, "list-ports"}})
        if (on)
            flags << QLatin1String(name);
    return QStringLiteral("port=%1 out=%2 count=%3 timeout=%4 rx=%5 nak=%6 log=%7 %8")
        .arg(port, o.output)
        .arg(o.count)
        .arg(optional(o.timeoutSeconds), optional(o.rxDelayMs), optional(o.nakDelayMs), o.logFile,
             flags.join(','))
        .trimmed();
}
} // namespace

class TestCaptureArguments : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void TestCaptureArguments::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("meaning"); // empty when refused
    QTest::addColumn<QString>("error");   // a part of the reason, when refused
    const QString none = QStringLiteral("port=- out= count=1 timeout=- rx=- nak=- log=");
    const auto row = [](const char* name, QStringList args, QString meaning, QString error = {}) {
        QTest::newRow(name) << args << meaning << error;
    };
    row("nothing: all defaults", {}, none);
    row("port number", {"--port", "3"}, "port=COM3 out= count=1 timeout=- rx=- nak=- log=");
    row("COMn in any case", {"--port=com30"}, "port=COM30 out= count=1 timeout=- rx=- nak=- log=");
    row("device path", {"--port", "/dev/ttyUSB0"},
        "port=/dev/ttyUSB0 out= count=1 timeout=- rx=- nak=- log=");
    row("every value",
        {"--output", "a.BMP", "--count", "0", "--timeout", "5", "--rx-delay", "0",
         "--nak-delay=60000", "--log", "x.txt"},
        "port=- out=a.BMP count=0 timeout=5 rx=0 nak=60000 log=x.txt");
    row("standard output", {"--output", "-"}, "port=- out=- count=1 timeout=- rx=- nak=- log=");
    row("flags", {"--printable", "--quiet", "--help", "--version", "--list-ports"},
        none + " printable,quiet,help,version,list-ports");
    row("-h", {"-h"}, none + " help");
    row("last one counts", {"--count", "2", "--count", "3"},
        "port=- out= count=3 timeout=- rx=- nak=- log=");
    row("value that looks like an option", {"--log", "--quiet"},
        "port=- out= count=1 timeout=- rx=- nak=- log=--quiet");

    row("port 0", {"--port", "0"}, {}, "from 1 to 30");
    // Where the system names its ports, a command line may name any; elsewhere COM1 to COM30
    // are the program's own numbers.
    if (SystemSerial::portNumberOfName("COM31")) {
        row("port 31", {"--port", "COM31"}, "port=COM31 out= count=1 timeout=- rx=- nak=- log=");
        row("device path of COM12", {"--port", "\\\\.\\COM12"},
            "port=COM12 out= count=1 timeout=- rx=- nak=- log=");
    } else {
        row("port 31", {"--port", "COM31"}, {}, "from 1 to 30");
    }
    row("huge port", {"--port", "99999999999999999999"}, {}, "from 1 to 30");
    row("empty port", {"--port="}, {}, "--port wants");
    row("path with a comma", {"--port", "/dev/a,b"}, {}, "without a comma");
    row("other picture kind", {"--output", "a.jpg"}, {}, ".png or .bmp");
    row("extension alone", {"--output", ".png"}, {}, ".png or .bmp");
    row("negative count", {"--count", "-1"}, {}, "--count wants");
    row("count with a sign", {"--count", "+2"}, {}, "--count wants");
    row("timeout too long", {"--timeout", "86401"}, {}, "from 1 to 86400");
    row("no time to start", {"--timeout", "0"}, {}, "from 1 to 86400");
    row("delay not a number", {"--rx-delay", "3O"}, {}, "--rx-delay wants");
    row("number with a line break", {"--nak-delay", "5\n"}, {}, "--nak-delay wants");
    row("missing value", {"--timeout"}, {}, "--timeout needs a value");
    row("value for a flag", {"--quiet=yes"}, {}, "--quiet takes no value");
    row("unknown option", {"--baud", "9600"}, {}, "unknown argument '--baud'");
    row("stray word", {"shot.png"}, {}, "unknown argument 'shot.png'");
    row("single dash", {"-"}, {}, "unknown argument '-'");
}

void TestCaptureArguments::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, meaning);
    QFETCH(QString, error);
    const CaptureArguments::Parsed parsed = CaptureArguments::parse(arguments);
    if (meaning.isEmpty()) {
        QVERIFY(!parsed.options);
        QVERIFY2(parsed.error.contains(error), qPrintable(parsed.error));
    } else {
        QVERIFY2(parsed.options, qPrintable(parsed.error));
        QCOMPARE(describe(*parsed.options), meaning);
    }
}

QTEST_APPLESS_MAIN(TestCaptureArguments)
#include "test_capturearguments.moc"
