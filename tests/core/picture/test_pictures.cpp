// The built-in pictures, read byte by byte rather than through Qt, so a header or palette that
// Qt would tolerate still fails here.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

char* toString(const Rgb& c) // QCOMPARE output
{
    return QTest::toString(QStringLiteral("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b));
}

struct Bmp {
    QByteArray bytes;
    int width = 0, height = 0, bitsPerPixel = 0, compression = -1, imageSize = 0, clrUsed = 0;
    std::vector<Rgb> palette;
    std::vector<int> pixels; // top row first: palette index, or 0xRRGGBB at 24 bpp

    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    int rgbAt(int x, int y) const // 0xRRGGBB whatever the depth
    {
        if (bitsPerPixel > 8)
            return at(x, y);
        const Rgb& c = palette.at(static_cast<std::size_t>(at(x, y)));
        return c.r << 16 | c.g << 8 | c.b;
    }
};

quint32 u32(const QByteArray& b, int at)
{
    const auto* p = reinterpret_cast<const uchar*>(b.constData()) + at;
    return p[0] | p[1] << 8 | p[2] << 16 | quint32(p[3]) << 24;
}
int u16(const QByteArray& b, int at)
{
    return uchar(b[at]) | uchar(b[at + 1]) << 8;
}
int rowBytes(int width, int bpp)
{
    return (width * bpp + 31) / 32 * 4;
}

// Reads the info header, palette and pixels starting at `info`; `rows` is the picture height
// (an icon's header states twice that).
Bmp readDib(const QByteArray& bytes, int info, int rows)
{
    Bmp bmp;
    bmp.bytes = bytes;
    bmp.width = int(u32(bytes, info + 4));
    bmp.height = rows;
    bmp.bitsPerPixel = u16(bytes, info + 14);
    bmp.compression = int(u32(bytes, info + 16));
    bmp.imageSize = int(u32(bytes, info + 20));
    bmp.clrUsed = int(u32(bytes, info + 32));
    int at = info + int(u32(bytes, info));
    for (int i = 0; i < bmp.clrUsed; ++i, at += 4)
        bmp.palette.push_back({uchar(bytes[at + 2]), uchar(bytes[at + 1]), uchar(bytes[at])});
    const int stride = rowBytes(bmp.width, bmp.bitsPerPixel);
    for (int y = 0; y < rows; ++y) {
        const int row = at + (rows - 1 - y) * stride; // bottom-up
        for (int x = 0; x < bmp.width; ++x) {
            switch (bmp.bitsPerPixel) {
            case 4:
                bmp.pixels.push_back(x % 2 ? uchar(bytes[row + x / 2]) & 15
                                           : uchar(bytes[row + x / 2]) >> 4);
                break;
            case 8:
                bmp.pixels.push_back(uchar(bytes[row + x]));
                break;
            default:
                bmp.pixels.push_back(int(u32(bytes, row + 3 * x) & 0xFFFFFF));
            }
        }
    }
    return bmp;
}

QString picturePath(const QString& name)
{
    return QStringLiteral(ORVISNAP_SOURCE_DIR "/resources/pictures/%1.bmp").arg(name);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Bmp readBmp(const QString& name)
{
    const QByteArray bytes = readFile(picturePath(name));
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return {};
    return readDib(bytes, 14, int(u32(bytes, 22)));
}

std::vector<Rgb> graticulePalette()
{
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
            {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {240, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

std::vector<Rgb> systemPalette()
{
    std::vector<Rgb> p = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                          {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                          {192, 220, 192}, {166, 202, 240}};
    for (int i = 10; i < 246; ++i)
        p.push_back({i % 8 * 32, i / 8 % 8 * 32, i / 64 * 64});
    p.insert(p.end(), {{255, 251, 240},
                       {160, 160, 164},
                       {128, 128, 128},
                       {255, 0, 0},
                       {0, 255, 0},
                       {255, 255, 0},
                       {0, 0, 255},
                       {255, 0, 255},
                       {0, 255, 255},
                       {255, 255, 255}});
    return p;
}

const std::array<const char*, 16> LogoRows = {
    "KKKKKKKKKKKKKKKK", "KYYYYGYYYYGYYYYK", "KYYYYGYYYYGYYYYK", "KYYDDDDDDYGYYDDK",
    "KYYDYGYYDYGYYDYK", "KGGDGGGGDGGGGDGK", "KYYDYGYYDYGYYDYK", "KYYDYGYYDYGYYDYK",
    "KYYDYGYYDYGYYDYK", "KYYDYGYYDYGYYDYK", "KGGDGGGGDGGGGDGK", "KYYDYGYYDYGYYDYK",
    "KDDDYGYYDDDDDDYK", "KYYYYGYYYYGYYYYK", "KYYYYGYYYYGYYYYK", "KKKKKKKKKKKKKKKK"};

bool graticuleInk(int x, int y)
{
    const bool inside = x >= 2 && x <= 102 && y >= 0 && y <= 60;
    const bool frame = inside && (x == 2 || x == 102 || y == 0 || y == 60);
    const bool dottedRow = y % 10 == 0 && y >= 10 && y <= 50 && x % 2 == 0 && x >= 4 && x <= 100;
    const bool dottedColumn = x % 10 == 2 && x >= 12 && x <= 92 && y % 2 == 0 && y >= 2 && y <= 58;
    return frame || dottedRow || dottedColumn;
}

using Box = std::array<int, 4>; // top, bottom, left, right (inclusive)

struct TextPicture {
    const char* name;
    int counterTop; // first row under the counter label's top edge
    std::array<Box, 4> lines;
};

const std::array<TextPicture, 3> TextPictures = {{
    {"TXT128x64",
     49,
     {{{3, 11, 12, 115}, {14, 20, 23, 106}, {27, 33, 12, 101}, {38, 44, 23, 112}}}},
    {"TXT256x128",
     107,
     {{{14, 25, 45, 210}, {30, 39, 61, 190}, {54, 63, 44, 184}, {70, 79, 61, 207}}}},
    {"TXT512x256",
     229,
     {{{39, 53, 140, 358}, {61, 73, 162, 330}, {91, 103, 140, 323}, {113, 125, 161, 353}}}},
}};

constexpr int White = 255;
constexpr int Navy = 4;

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void headers_data();
    void headers();
    void palettes_data();
    void palettes();
    void graticulePixels();
    void logoPixels_data();
    void logoPixels();
    void textLayout_data();
    void textLayout();
    void textPictureShades_data();
    void textPictureShades();
    void iconFile();
    void windowsIconHoldsEverySize();
    void generatorReproducesCheckedInFiles();
};

void TestPictures::headers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bpp");
    QTest::addColumn<int>("colours");
    QTest::newRow("EMPTY") << "EMPTY" << 128 << 64 << 4 << 16;
    QTest::newRow("TXT128x64") << "TXT128x64" << 128 << 64 << 8 << 256;
    QTest::newRow("TXT256x128") << "TXT256x128" << 256 << 128 << 8 << 256;
    QTest::newRow("TXT512x256") << "TXT512x256" << 512 << 256 << 8 << 256;
    QTest::newRow("ICO16") << "ICO16" << 16 << 16 << 24 << 0;
    QTest::newRow("APPICON") << "APPICON" << 16 << 16 << 8 << 256;
}

void TestPictures::headers()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bpp);
    QFETCH(int, colours);
    const Bmp bmp = readBmp(name);
    QVERIFY2(!bmp.bytes.isEmpty(), "missing or not a BMP file");
    const int pixelOffset = 14 + 40 + 4 * colours;
    const int imageSize = rowBytes(width, bpp) * height;
    QCOMPARE(qsizetype(u32(bmp.bytes, 2)), bmp.bytes.size());
    QCOMPARE(bmp.bytes.size(), pixelOffset + imageSize);
    QCOMPARE(u32(bmp.bytes, 6), 0u); // reserved
    QCOMPARE(int(u32(bmp.bytes, 10)), pixelOffset);
    QCOMPARE(int(u32(bmp.bytes, 14)), 40);
    QCOMPARE(bmp.width, width);
    QCOMPARE(int(u32(bmp.bytes, 22)), height); // positive: bottom-up
    QCOMPARE(u16(bmp.bytes, 26), 1);
    QCOMPARE(bmp.bitsPerPixel, bpp);
    QCOMPARE(bmp.compression, 0);
    QCOMPARE(bmp.imageSize, imageSize);
    QCOMPARE(bmp.clrUsed, colours);

    // The program shows them through Qt, which must see the same pixels as this reader.
    const QImage image(picturePath(name), "BMP");
    QCOMPARE(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int rgb = bmp.rgbAt(x, y);
            if (qRgb(rgb >> 16, rgb >> 8 & 255, rgb & 255) != image.pixel(x, y))
                QFAIL(
                    qPrintable(QStringLiteral("Qt reads pixel (%1, %2) otherwise").arg(x).arg(y)));
        }
    }
}

void TestPictures::palettes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("graticule");
    QTest::newRow("EMPTY") << "EMPTY" << true;
    for (const char* name : {"TXT128x64", "TXT256x128", "TXT512x256", "APPICON"})
        QTest::newRow(name) << name << false;
}

void TestPictures::palettes()
{
    QFETCH(QString, name);
    QFETCH(bool, graticule);
    const std::vector<Rgb> expected = graticule ? graticulePalette() : systemPalette();
    const Bmp bmp = readBmp(name);
    QCOMPARE(bmp.palette.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(bmp.palette[i] == expected[i], qPrintable(QStringLiteral("entry %1").arg(i)));
    if (!graticule) { // the colour cube, worked out by hand
        QCOMPARE(bmp.palette[10], (Rgb{64, 32, 0}));
        QCOMPARE(bmp.palette[128], (Rgb{0, 0, 128}));
        QCOMPARE(bmp.palette[245], (Rgb{160, 192, 192}));
    }
}

void TestPictures::graticulePixels()
{
    const Bmp bmp = readBmp(QStringLiteral("EMPTY"));
    QCOMPARE(bmp.pixels.size(), std::size_t(128 * 64));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
            const int expected = graticuleInk(x, y) ? 0 : 11;
            if (bmp.at(x, y) != expected)
                QFAIL(qPrintable(
                    QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(bmp.at(x, y))));
        }
    }
}

void TestPictures::logoPixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("yellow");
    QTest::newRow("ICO16") << "ICO16" << 0xF0FF00;
    QTest::newRow("APPICON") << "APPICON" << 0xFFFF00; // nearest in the system palette
}

void TestPictures::logoPixels()
{
    QFETCH(QString, name);
    QFETCH(int, yellow);
    const Bmp bmp = readBmp(name);
    QCOMPARE(bmp.pixels.size(), std::size_t(16 * 16));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const char letter = LogoRows[std::size_t(y)][x];
            const int expected = letter == 'K'   ? 0
                                 : letter == 'Y' ? yellow
                                 : letter == 'G' ? 0x808080
                                                 : 0x404040;
            const int rgb = bmp.rgbAt(x, y);
            if (rgb != expected)
                QFAIL(qPrintable(
                    QStringLiteral("pixel (%1, %2) is %3").arg(x).arg(y).arg(rgb, 6, 16)));
        }
    }
}

void TestPictures::textLayout_data()
{
    QTest::addColumn<int>("picture");
    for (int p = 0; p < int(TextPictures.size()); ++p)
        QTest::newRow(TextPictures[std::size_t(p)].name) << p;
}

// Each line's ink fills its box exactly, there is no ink outside the boxes, and the rows from
// the counter label down are all paper.
void TestPictures::textLayout()
{
    QFETCH(int, picture);
    const TextPicture& text = TextPictures[std::size_t(picture)];
    const Bmp bmp = readBmp(QString::fromLatin1(text.name));
    QVERIFY(!bmp.pixels.empty());

    std::array<Box, 4> got;
    got.fill({bmp.height, -1, bmp.width, -1});
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            if (bmp.at(x, y) == White)
                continue;
            const auto line = std::find_if(text.lines.begin(), text.lines.end(), [&](const Box& b) {
                return y >= b[0] && y <= b[1] && x >= b[2] && x <= b[3];
            });
            if (line == text.lines.end() || y >= text.counterTop)
                QFAIL(qPrintable(QStringLiteral("ink at (%1, %2)").arg(x).arg(y)));
            Box& box = got[std::size_t(line - text.lines.begin())];
            box = {std::min(box[0], y), std::max(box[1], y), std::min(box[2], x),
                   std::max(box[3], x)};
        }
    }
    for (std::size_t line = 0; line < text.lines.size(); ++line) {
        if (got[line] != text.lines[line])
            QFAIL(qPrintable(QStringLiteral("line %1: ink rows %2-%3 columns %4-%5")
                                 .arg(line + 1)
                                 .arg(got[line][0])
                                 .arg(got[line][1])
                                 .arg(got[line][2])
                                 .arg(got[line][3])));
    }
}

void TestPictures::textPictureShades_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("smoothed");
    QTest::newRow("TXT128x64") << "TXT128x64" << false;
    QTest::newRow("TXT256x128") << "TXT256x128" << true;
    QTest::newRow("TXT512x256") << "TXT512x256" << true;
}

// Letters are solid navy; only the antialiased ones have fringes, and those must be palette
// colours close to some mix of navy and white.
void TestPictures::textPictureShades()
{
    QFETCH(QString, name);
    QFETCH(bool, smoothed);
    const Bmp bmp = readBmp(name);
    const std::set<int> used(bmp.pixels.begin(), bmp.pixels.end());
    QVERIFY(used.count(Navy) && used.count(White));
    if (!smoothed) {
        QCOMPARE(used.size(), std::size_t(2));
        return;
    }
    QVERIFY2(used.size() > 4, "no smoothing shades");
    for (const int index : used) {
        const Rgb c = bmp.palette.at(std::size_t(index));
        int nearest = 1 << 30;
        for (int t = 0; t <= 255; ++t) {
            const int paper = 255 - t;
            const int dr = c.r - paper, dg = c.g - paper, db = c.b - (128 * t + 255 * paper) / 255;
            nearest = std::min(nearest, dr * dr + dg * dg + db * db);
        }
        // 48: more than any colour lies from its nearest entry in the colour cube
        QVERIFY2(nearest <= 48 * 48,
                 qPrintable(QStringLiteral("entry %1 is no navy shade").arg(index)));
    }
}

void TestPictures::iconFile()
{
    const QByteArray ico = readFile(QStringLiteral(ORVISNAP_SOURCE_DIR "/resources/orvisnap.ico"));
    QVERIFY(ico.size() > 22 + 40);
    QCOMPARE(u16(ico, 0), 0);
    QCOMPARE(u16(ico, 2), 1); // icon
    QCOMPARE(u16(ico, 4), 1); // one image
    QCOMPARE(uchar(ico[6]), uchar(16));
    QCOMPARE(uchar(ico[7]), uchar(16));
    QCOMPARE(uchar(ico[8]), uchar(0)); // 256 colours
    QCOMPARE(u16(ico, 10), 1);
    QCOMPARE(u16(ico, 12), 8);
    QCOMPARE(qsizetype(u32(ico, 14)), ico.size() - 22);
    QCOMPARE(u32(ico, 18), 22u);
    QCOMPARE(int(u32(ico, 22 + 8)), 32); // colour rows plus mask rows

    const Bmp image = readDib(ico, 22, 16);
    const Bmp bmp = readBmp(QStringLiteral("APPICON"));
    QCOMPARE(image.bitsPerPixel, 8);
    QCOMPARE(image.palette, bmp.palette);
    QCOMPARE(image.pixels, bmp.pixels);
    const qsizetype maskAt = 22 + 40 + 4 * 256 + 16 * 16;
    QCOMPARE(ico.size() - maskAt, qsizetype(16 * 4));
    QCOMPARE(ico.mid(maskAt), QByteArray(16 * 4, '\0')); // opaque everywhere
}

void TestPictures::windowsIconHoldsEverySize()
{
    // The 16-pixel application icon, then the rendered sizes; 0 stands for 256.
    const QByteArray ico =
        readFile(QStringLiteral(ORVISNAP_SOURCE_DIR "/resources/windows/orvisnap.ico"));
    QVERIFY(ico.size() > 6 + 6 * 16);
    QCOMPARE(u16(ico, 4), 6);
    const int sizes[] = {16, 32, 48, 64, 128, 0};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(int(uchar(ico[6 + 16 * i])), sizes[i]);
    const int first = int(u32(ico, 6 + 12)); // the 16-pixel image: 256 colours, as the logo
    QCOMPARE(u16(ico, first + 14), 8);
}

void TestPictures::generatorReproducesCheckedInFiles()
{
    if (!QFile::exists(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf")))
        QSKIP("DejaVu Sans Bold is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess generator;
    generator.start(QStringLiteral(ORVISNAP_MAKE_PICTURES), {dir.path()});
    QVERIFY(generator.waitForFinished(60000));
    QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
             generator.readAllStandardError().constData());

    const QString root = QStringLiteral(ORVISNAP_SOURCE_DIR "/resources/");
    for (const char* name :
         {"EMPTY", "TXT128x64", "TXT256x128", "TXT512x256", "ICO16", "APPICON"}) {
        const QString file = QString::fromLatin1(name) + QStringLiteral(".bmp");
        QVERIFY2(readFile(dir.filePath(file)) ==
                     readFile(root + QStringLiteral("pictures/") + file),
                 name);
    }
    QVERIFY(readFile(dir.filePath(QStringLiteral("orvisnap.ico"))) ==
            readFile(root + QStringLiteral("orvisnap.ico")));
}

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
