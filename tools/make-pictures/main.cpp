// make-pictures OUTDIR [ICOFILE]
// Writes the built-in pictures (EMPTY, TXT128x64, TXT256x128, TXT512x256, ICO16, APPICON .bmp)
// into OUTDIR and the application icon to ICOFILE (default OUTDIR/orvisnap.ico). Reruns give
// the same bytes as long as the DejaVu Sans Bold file and Qt's FreeType rasteriser stay the same.

#include "bmpfile.h"
#include "pictures.h"
#include "pixeltext.h"
#include "smoothtext.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

const char* const FontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

void save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make-pictures OUTDIR [ICOFILE]\n");
        return 2;
    }
    // Font rendering needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    try {
        const QDir out(QString::fromLocal8Bit(argv[1]));
        if (!out.exists())
            throw std::runtime_error("no such directory: " + out.path().toStdString());
        const QString icoPath = argc == 3 ? QString::fromLocal8Bit(argv[2])
                                          : out.filePath(QStringLiteral("orvisnap.ico"));
        const QString font = QString::fromLatin1(FontFile);

        save(out.filePath(QStringLiteral("EMPTY.bmp")), encodeBmp(makeGraticule()));
        save(out.filePath(QStringLiteral("TXT128x64.bmp")), encodeBmp(makePixelText()));
        save(out.filePath(QStringLiteral("TXT256x128.bmp")), encodeBmp(makeSmoothText256(font)));
        save(out.filePath(QStringLiteral("TXT512x256.bmp")), encodeBmp(makeSmoothText512(font)));
        save(out.filePath(QStringLiteral("ICO16.bmp")), encodeBmp(makeLogo()));
        const Picture icon = makeAppIcon();
        save(out.filePath(QStringLiteral("APPICON.bmp")), encodeBmp(icon));
        save(icoPath, encodeIco(icon));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
