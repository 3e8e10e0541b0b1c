#include "smoothtext.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace {

constexpr std::uint8_t Paper = 255;

// Where the ink of each line must end up (rows and columns inclusive). A step number, or the
// text of a line without one, starts in the line's left column; the text after a number hangs
// at the pen of the first line without one, so "Press" starts in the same column as "DSO".
// Each line's letter spacing is fitted so that its ink ends in the right column, and its
// baseline is lowered by quarter rows until its ink reaches the bottom row.
struct SmoothLine {
    const char* number;
    const char* text;
    int top;
    int bottom;
    int left;
    int right;
};

struct SmoothLayout {
    int width;
    int height;
    double pixelSize; // gives 9 or 12 pixel capitals under vertical hinting
    std::array<SmoothLine, 4> lines;
};

constexpr SmoothLayout Layout256 = {
    .width = 256,
    .height = 128,
    .pixelSize = 12.0,
    .lines = {{{"1.", "Press \"OK\" to set your", 14, 25, 45, 210},
               {"", "DSO to HOLD mode", 30, 39, 61, 190},
               {"2.", "Press \"LEVEL\" and", 54, 63, 44, 184},
               {"", "follow the instructions", 70, 79, 61, 207}}},
};

constexpr SmoothLayout Layout512 = {
    .width = 512,
    .height = 256,
    .pixelSize = 16.0,
    .lines = {{{"1.", "Press \"OK\" to set your", 39, 53, 140, 358},
               {"", "DSO to HOLD mode", 61, 73, 162, 330},
               {"2.", "Press \"LEVEL\" and", 91, 103, 140, 323},
               {"", "follow the instructions", 113, 125, 161, 353}}},
};

using ShadeTable = std::array<std::uint8_t, 256>; // coverage -> palette index

// Navy laid over white with the given coverage, matched to the palette.
ShadeTable makeShadeTable(const Palette& palette)
{
    ShadeTable table{};
    for (int coverage = 0; coverage < 256; ++coverage) {
        const int paper = 255 - coverage;
        const Rgb colour = {static_cast<std::uint8_t>(paper), static_cast<std::uint8_t>(paper),
                            static_cast<std::uint8_t>((128 * coverage + 255 * paper + 127) / 255)};
        table[static_cast<std::size_t>(coverage)] =
            static_cast<std::uint8_t>(nearestIndex(palette, colour));
    }
    return table;
}

// One run of text drawn as coverage (alpha) with its pen origin inside the image.
struct Run {
    QImage coverage;
    QPoint pen;
};

Run renderRun(const QRawFont& font, const QString& text, double tracking)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances =
        font.advancesForGlyphIndexes(glyphs, QRawFont::SeparateAdvances | QRawFont::KernedAdvances);
    QList<QPointF> positions;
    double x = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(x, 0));
        x += advance.x() + tracking;
    }
    QGlyphRun glyphRun;
    glyphRun.setRawFont(font);
    glyphRun.setGlyphIndexes(glyphs);
    glyphRun.setPositions(positions);

    const int margin = static_cast<int>(std::ceil(2 * font.pixelSize()));
    Run run{QImage(static_cast<int>(std::ceil(x)) + 2 * margin, 3 * margin,
                   QImage::Format_ARGB32_Premultiplied),
            QPoint(margin, 2 * margin)};
    // Transparent ground keeps the glyphs in plain grey-level coverage, whatever subpixel
    // rendering the platform would choose on an opaque one.
    run.coverage.fill(Qt::transparent);
    QPainter painter(&run.coverage);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    painter.drawGlyphRun(run.pen, glyphRun);
    return run;
}

// Bounds of the pixels that do not stay paper, relative to the pen.
QRect inkRect(const Run& run, const ShadeTable& shades)
{
    QRect rect;
    for (int y = 0; y < run.coverage.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(run.coverage.constScanLine(y));
        for (int x = 0; x < run.coverage.width(); ++x) {
            if (shades[static_cast<std::size_t>(qAlpha(line[x]))] != Paper)
                rect |= QRect(x, y, 1, 1);
        }
    }
    if (rect.isNull())
        throw std::logic_error("text without ink");
    return rect.translated(-run.pen);
}

// The letter spacing whose ink ends nearest to `inkRight` (relative to the pen). Ink width
// only grows with the spacing, so halving the interval finds it.
double fitTracking(const QRawFont& font, const QString& text, int inkRight,
                   const ShadeTable& shades)
{
    const auto rightFor = [&](double tracking) {
        return inkRect(renderRun(font, text, tracking), shades).right();
    };
    double low = -1.5;
    double high = 1.5;
    for (int step = 0; step < 16; ++step) {
        const double middle = (low + high) / 2;
        (rightFor(middle) < inkRight ? low : high) = middle;
    }
    return std::abs(rightFor(low) - inkRight) < std::abs(rightFor(high) - inkRight) ? low : high;
}

// The run moved down by a quarter row per step: each row keeps the rest of its own coverage
// and takes that share of the row above.
Run lowered(const Run& run, int quarters)
{
    Run moved{QImage(run.coverage.size(), run.coverage.format()), run.pen};
    for (int y = 0; y < run.coverage.height(); ++y) {
        const auto* own = reinterpret_cast<const QRgb*>(run.coverage.constScanLine(y));
        const auto* above =
            y > 0 ? reinterpret_cast<const QRgb*>(run.coverage.constScanLine(y - 1)) : nullptr;
        auto* out = reinterpret_cast<QRgb*>(moved.coverage.scanLine(y));
        for (int x = 0; x < run.coverage.width(); ++x) {
            const int sum =
                (4 - quarters) * qAlpha(own[x]) + quarters * (above ? qAlpha(above[x]) : 0);
            out[x] = qRgba(0, 0, 0, (sum + 2) / 4); // premultiplied black
        }
    }
    return moved;
}

struct PlacedLine {
    Run text;
    Run number; // null coverage when the line has none
    int baseline = 0;
};

// Lowers the line until its ink spans as many rows as its box, then puts its top on the box's.
PlacedLine placeVertically(const Run& text, const Run& number, const SmoothLine& line,
                           const ShadeTable& shades)
{
    for (int quarters = 0; quarters < 4; ++quarters) {
        PlacedLine placed{lowered(text, quarters), {}, 0};
        QRect ink = inkRect(placed.text, shades);
        if (!number.coverage.isNull()) {
            placed.number = lowered(number, quarters);
            ink |= inkRect(placed.number, shades);
        }
        if (ink.height() == line.bottom - line.top + 1) {
            placed.baseline = line.top - ink.top();
            return placed;
        }
    }
    throw std::logic_error(std::string("no baseline fits the rows of: ") + line.text);
}

int inkLeftAtPen(const QRawFont& font, const char* text, const ShadeTable& shades)
{
    return inkRect(renderRun(font, QString::fromLatin1(text), 0), shades).left();
}

Picture makeSmoothText(const QString& fontFile, const SmoothLayout& layout)
{
    const QRawFont font(fontFile, layout.pixelSize, QFont::PreferVerticalHinting);
    if (!font.isValid())
        throw std::runtime_error("cannot load font " + fontFile.toStdString());
    Picture picture(layout.width, layout.height, 8, systemPalette(), Paper);
    const ShadeTable shades = makeShadeTable(picture.palette);

    const SmoothLine& firstPlain = layout.lines[1];
    const int hangingPen = firstPlain.left - inkLeftAtPen(font, firstPlain.text, shades);

    QImage canvas(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    for (const SmoothLine& line : layout.lines) {
        const bool numbered = *line.number != '\0';
        const int textPen =
            numbered ? hangingPen : line.left - inkLeftAtPen(font, line.text, shades);
        const QString text = QString::fromLatin1(line.text);
        const Run textRun =
            renderRun(font, text, fitTracking(font, text, line.right - textPen, shades));
        const Run numberRun =
            numbered ? renderRun(font, QString::fromLatin1(line.number), 0) : Run{};
        const PlacedLine placed = placeVertically(textRun, numberRun, line, shades);
        painter.drawImage(QPoint(textPen, placed.baseline) - placed.text.pen, placed.text.coverage);
        if (numbered) {
            const int numberPen = line.left - inkLeftAtPen(font, line.number, shades);
            painter.drawImage(QPoint(numberPen, placed.baseline) - placed.number.pen,
                              placed.number.coverage);
        }
    }
    painter.end();

    for (int y = 0; y < layout.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < layout.width; ++x)
            picture.at(x, y) = shades[static_cast<std::size_t>(qAlpha(line[x]))];
    }
    return picture;
}

} // namespace

Picture makeSmoothText256(const QString& fontFile)
{
    return makeSmoothText(fontFile, Layout256);
}

Picture makeSmoothText512(const QString& fontFile)
{
    return makeSmoothText(fontFile, Layout512);
}
