// orvisnap-soak: long use of the program against the simulated instrument (scripts/soak.sh).
//   orvisnap-soak downloads [COUNT [SEED [PICTURE]]]   the window's download, clicked COUNT times
//   orvisnap-soak closes APP [COUNT [SEED]]            closes of the window program APP under load
#include "closesoak.h"
#include "downloadsoak.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
[[nodiscard]] int usage()
{
    std::fputs("Usage: orvisnap-soak downloads [COUNT [SEED [PICTURE]]]\n"
               "       orvisnap-soak closes APP [COUNT [SEED]]\n",
               stderr);
    return 2;
}

[[nodiscard]] int number(const QStringList& args, int index, int fallback)
{
    bool ok = false;
    const int value = args.value(index).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QStringLiteral("downloads")) {
        DownloadSoak::Settings settings;
        settings.count = number(args, 2, settings.count);
        settings.seed = static_cast<std::uint32_t>(number(args, 3, 1));
        settings.picture = args.value(4, settings.picture);
        DownloadSoak soak(settings);
        return soak.start() ? QApplication::exec() : EXIT_FAILURE;
    }
    if (mode == QStringLiteral("closes") && args.size() > 2) {
        CloseSoak::Settings settings;
        settings.app = args.value(2);
        settings.count = number(args, 3, settings.count);
        settings.seed = static_cast<std::uint32_t>(number(args, 4, 1));
        CloseSoak soak(settings);
        return soak.run() ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    return usage();
}
