#include "waitingpicture.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <vector>

namespace {

const char* const Context = "WaitingPicture";

//: The first of two numbered steps on the picture shown while a download waits for the
//: instrument. OK and HOLD are the instrument's key names, as printed on it: keep them as they
//: are, in Latin capitals. The DSO is the instrument, a digital storage oscilloscope. Quotation
//: marks as your language sets them.
const char* const Hold =
    QT_TRANSLATE_NOOP("WaitingPicture", "Press \"OK\" to set your DSO to HOLD mode");
//: The second step on that picture. LEVEL is the instrument's key name, as printed on it: keep
//: it as it is, in Latin capitals. The instructions are those the instrument then shows.
const char* const Level =
    QT_TRANSLATE_NOOP("WaitingPicture", "Press \"LEVEL\" and follow the instructions");

struct Wording {
    const char* source;
    const char* disambiguation;
};
//: The first step on the smallest picture, 128 x 64 pixels, where four short lines hold both
//: steps: as brief as the meaning allows, about 30 letters (Chinese, Japanese: 16 characters).
//: OK and HOLD are the instrument's key names: keep them. The DSO is the instrument.
const Wording HoldSmall =
    QT_TRANSLATE_NOOP3("WaitingPicture", "Press \"OK\" to set your DSO to HOLD mode", "128x64");
//: The second step on the smallest picture, 128 x 64 pixels: as brief as the meaning allows,
//: about 30 letters (Chinese, Japanese: 16 characters). LEVEL is the instrument's key name:
//: keep it.
const Wording LevelSmall =
    QT_TRANSLATE_NOOP3("WaitingPicture", "Press \"LEVEL\" and follow the instructions", "128x64");

constexpr QSize SmallestSize(128, 64);
constexpr QRgb Navy = qRgb(0, 0, 128);

// A built-in picture's lettering, where its English lines lie, and the room around them.
struct Lettering {
    QSize size;
    int numberLeft;    // the column of the step numbers
    int firstBaseline; // of the first line
    int pitch;         // from one baseline to the next
    int stepGap;       // added between the two steps
    QRect area;        // what the text may cover: clear of the window's counter below
    int pixelSize;     // of the English letters: translations start there
    bool smooth;       // bold, edges in the palette's shades; else thin, navy and white only
};

const std::array<Lettering, 3> Letterings = {{
    {SmallestSize, 12, 10, 11, 2, QRect(QPoint(2, 1), QPoint(125, 47)), 9, false},
    {{256, 128}, 44, 23, 16, 8, QRect(QPoint(4, 4), QPoint(251, 104)), 12, true},
    {{512, 256}, 140, 51, 22, 8, QRect(QPoint(8, 8), QPoint(503, 226)), 16, true},
}};

const Lettering* letteringOf(QSize size)
{
    const auto found = std::find_if(Letterings.begin(), Letterings.end(),
                                    [size](const Lettering& l) { return l.size == size; });
    return found == Letterings.end() ? nullptr : &*found;
}

bool hasScript(const QString& text, QChar::Script script)
{
    return std::any_of(text.begin(), text.end(),
                       [script](QChar c) { return c.script() == script; });
}

// Chinese and Japanese share the Han code points but not the faces: kana tell Japanese.
QStringList familiesFor(const QString& text)
{
    // The English pictures' face, then what Windows has in its place.
    const QStringList latin{"DejaVu Sans", "Verdana", "Tahoma", "Arial"};
    const QStringList chinese{"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei",
                              "Microsoft YaHei", "SimHei"};
    const QStringList japanese{"Noto Sans CJK JP", "Source Han Sans JP", "IPAexGothic", "IPAGothic",
                               "Meiryo",           "Yu Gothic",          "MS Gothic"};
    if (hasScript(text, QChar::Script_Hiragana) || hasScript(text, QChar::Script_Katakana))
        return japanese + chinese + latin;
    if (hasScript(text, QChar::Script_Han))
        return chinese + japanese + latin;
    return latin;
}

// Han characters in navy and white alone lose strokes at the smallest picture's sizes, for
// which outline faces carry no bitmaps: they are smoothed there too.
bool smoothFor(const Lettering& lettering, const QString& text)
{
    return lettering.smooth || hasScript(text, QChar::Script_Han);
}

// Below this the letters would no longer be read.
int smallestPixelSize(const QString& text)
{
    return hasScript(text, QChar::Script_Han) ? 10 : 8;
}

QFont fontFor(const Lettering& lettering, const QString& text, int pixelSize)
{
    QFont font;
    font.setFamilies(familiesFor(text));
    font.setPixelSize(pixelSize);
    font.setWeight(lettering.smooth ? QFont::Bold : QFont::Normal);
    // Letters a few pixels high keep their strokes only when fitted to the pixel grid both ways.
    font.setHintingPreference(lettering.smooth ? QFont::PreferVerticalHinting
                                               : QFont::PreferFullHinting);
    font.setStyleStrategy(smoothFor(lettering, text) ? QFont::PreferAntialias : QFont::NoAntialias);
    return font;
}

// The text broken into lines no wider than `width`; nothing when a word alone is wider.
std::optional<QStringList> wrapped(const QString& text, const QFont& font, int width,
                                   QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    bool fits = true;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        fits = fits && line.naturalTextWidth() <= width;
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (!fits)
        return std::nullopt;
    return lines;
}

struct Run {
    QString text;
    QPoint pen; // on the baseline
};

struct Arrangement {
    std::vector<Run> runs;
    qsizetype lines = 0;
};

// The steps from `left` to as far from the right edge, each number hanging before its lines;
// lifted as far as the area's bottom asks. Nothing when a word is wider than the lines.
std::optional<Arrangement> arrange(const Lettering& lettering, const WaitingPicture::Steps& steps,
                                   const QFont& font, int left, QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    const int textLeft = left + metrics.horizontalAdvance(QStringLiteral("2. "));
    const int width = lettering.size.width() - left - textLeft;
    // Han characters are larger than Latin letters of their size, but need no more room.
    const int pitch = std::max(lettering.pitch * std::min(font.pixelSize(), lettering.pixelSize) /
                                   lettering.pixelSize,
                               metrics.height());
    Arrangement arrangement;
    int baseline = lettering.firstBaseline;
    const std::array<QString, 2> texts{steps.hold, steps.level};
    for (std::size_t step = 0; step < texts.size(); ++step) {
        const auto lines = wrapped(texts[step], font, width, device);
        if (!lines)
            return std::nullopt;
        arrangement.runs.push_back({QStringLiteral("%1.").arg(step + 1), {left, baseline}});
        for (const QString& line : *lines) {
            arrangement.runs.push_back({line, {textLeft, baseline}});
            baseline += pitch;
        }
        arrangement.lines += lines->size();
        baseline += lettering.stepGap;
    }
    const int bottom = baseline - pitch - lettering.stepGap + metrics.descent();
    const int lift = std::max(0, bottom - lettering.area.bottom());
    if (lettering.firstBaseline - lift < lettering.area.top())
        return std::nullopt;
    for (Run& run : arrangement.runs)
        run.pen.ry() -= lift;
    return arrangement;
}

constexpr qsizetype EnglishLines = 4;

// The narrowest lines that need no more of them than the English text, or than the widest
// lines the area allows: as near the English layout as the text lets it be.
std::optional<Arrangement> closestToEnglish(const Lettering& lettering,
                                            const WaitingPicture::Steps& steps, const QFont& font,
                                            QPaintDevice* device)
{
    std::optional<Arrangement> best =
        arrange(lettering, steps, font, lettering.area.left(), device);
    if (!best)
        return std::nullopt;
    const qsizetype most = std::max(best->lines, EnglishLines);
    for (int left = lettering.area.left() + 1; left <= lettering.numberLeft; ++left) {
        auto candidate = arrange(lettering, steps, font, left, device);
        if (!candidate || candidate->lines > most)
            break;
        best = std::move(candidate);
    }
    return best;
}

using ShadeTable = std::array<uchar, 256>; // coverage -> palette index

// The lowest index wins a tie, as in the built-in pictures.
uchar nearestEntry(const QList<QRgb>& palette, int r, int g, int b)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - r;
        const int dg = qGreen(palette[i]) - g;
        const int db = qBlue(palette[i]) - b;
        if (const int distance = dr * dr + dg * dg + db * db; distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<uchar>(best);
}

// Navy laid over the paper with each coverage, as the nearest colour of the palette.
ShadeTable shadesOf(const QList<QRgb>& palette, QRgb paper)
{
    ShadeTable shades{};
    for (int coverage = 0; coverage < 256; ++coverage) {
        const auto mix = [coverage](int ink, int ground) {
            return (ink * coverage + ground * (255 - coverage) + 127) / 255;
        };
        shades[static_cast<std::size_t>(coverage)] =
            nearestEntry(palette, mix(qRed(Navy), qRed(paper)), mix(qGreen(Navy), qGreen(paper)),
                         mix(qBlue(Navy), qBlue(paper)));
    }
    return shades;
}

// The runs as coverage; nothing when any ink falls outside the area, the picture's edges
// included: the canvas reaches past them.
std::optional<QImage> coverageOf(const Lettering& lettering, const Arrangement& arrangement,
                                 const QFont& font, const ShadeTable& shades, uchar paper)
{
    const int beyond = 2 * font.pixelSize();
    QImage canvas(lettering.size + QSize(2 * beyond, 2 * beyond), QImage::Format_Alpha8);
    canvas.fill(0);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, font.styleStrategy() != QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const Run& run : arrangement.runs)
        painter.drawText(run.pen + QPoint(beyond, beyond), run.text);
    painter.end();
    const QRect area = lettering.area.translated(beyond, beyond);
    for (int y = 0; y < canvas.height(); ++y) {
        const uchar* line = canvas.constScanLine(y);
        for (int x = 0; x < canvas.width(); ++x)
            if (shades[line[x]] != paper && !area.contains(x, y))
                return std::nullopt;
    }
    return canvas.copy(QRect(QPoint(beyond, beyond), lettering.size));
}

QImage painted(QImage picture, const QImage& coverage, const ShadeTable& shades)
{
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* in = coverage.constScanLine(y);
        uchar* out = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            out[x] = shades[in[x]];
    }
    return picture;
}

} // namespace

WaitingPicture::Steps WaitingPicture::englishSteps()
{
    return {QString::fromUtf8(Hold), QString::fromUtf8(Level)};
}

WaitingPicture::Steps WaitingPicture::steps(QSize size)
{
    if (size == SmallestSize)
        return {QCoreApplication::translate(Context, HoldSmall.source, HoldSmall.disambiguation),
                QCoreApplication::translate(Context, LevelSmall.source, LevelSmall.disambiguation)};
    return {QCoreApplication::translate(Context, Hold),
            QCoreApplication::translate(Context, Level)};
}

QRect WaitingPicture::textArea(QSize size)
{
    const Lettering* lettering = letteringOf(size);
    return lettering ? lettering->area : QRect();
}

QImage WaitingPicture::translated(const QImage& builtIn)
{
    return draw(builtIn, steps(builtIn.size()));
}

QImage WaitingPicture::draw(const QImage& builtIn, const Steps& steps)
{
    const Lettering* lettering = letteringOf(builtIn.size());
    if (!lettering || builtIn.format() != QImage::Format_Indexed8 || steps == englishSteps())
        return builtIn;
    const uchar paper = builtIn.constScanLine(0)[0];
    const ShadeTable shades = shadesOf(builtIn.colorTable(), builtIn.color(paper));
    const QString text = steps.hold + steps.level;
    QImage device(1, 1, QImage::Format_Alpha8); // metrics of the picture's pixels, not a screen's
    for (int pixelSize = std::max(lettering->pixelSize, smallestPixelSize(text));
         pixelSize >= smallestPixelSize(text); --pixelSize) {
        const QFont font = fontFor(*lettering, text, pixelSize);
        const auto arrangement = closestToEnglish(*lettering, steps, font, &device);
        if (!arrangement)
            continue;
        if (const auto coverage = coverageOf(*lettering, *arrangement, font, shades, paper))
            return painted(builtIn, *coverage, shades);
    }
    return builtIn;
}
