// orvisnap-capture: saves the instrument's screen from the command line.
#include "brokenpipes.h"
#include "capturearguments.h"
#include "capturesession.h"
#include "capturesettings.h"
#include "orvisnap_version.h"
#include "portlisting.h"
#include "statusline.h"
#include "terminationsignals.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {
bool stderrIsTerminal()
{
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(fileno(stderr)) != 0;
#endif
}

void printVersion()
{
    std::printf("orvisnap-capture %u.%u.%u.%u\n", OrvisnapVersion::Major, OrvisnapVersion::Minor,
                OrvisnapVersion::Release, OrvisnapVersion::Build);
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvisnap")); // the window's settings
    const CaptureArguments::Parsed parsed = CaptureArguments::parse(app.arguments().mid(1));
    if (!parsed.options) {
        std::fprintf(stderr, "orvisnap-capture: %s\nTry 'orvisnap-capture --help'.\n",
                     qPrintable(parsed.error));
        return static_cast<int>(ExitStatus::BadUsage);
    }
    const CaptureOptions& options = *parsed.options;
    if (options.help || options.version) {
        if (options.help)
            std::fputs(qPrintable(CaptureArguments::usage()), stdout);
        else
            printVersion();
        return static_cast<int>(ExitStatus::Saved);
    }
    const QString iniPath = CaptureSettings::filePath();
    if (options.listPorts)
        return static_cast<int>(PortListing::print(iniPath, stdout, stderr));
    BrokenPipes::reportAsWriteErrors(); // a picture into a pipe whose reader has gone is told
    StatusLine status(stderr, stderrIsTerminal(), options.quiet);
    CaptureSession session(
        CaptureSession::Setup::make(options, CaptureSettings::read(iniPath), iniPath), status);
    TerminationSignals::onRequest(&app, [&session] { session.interrupt(); });
    QTimer::singleShot(0, &app, [&session] {
        session.start([](ExitStatus ended) { QCoreApplication::exit(static_cast<int>(ended)); });
    });
    return QCoreApplication::exec();
}
