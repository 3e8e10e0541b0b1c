#include "capturedprint.h"

#include "printablepicture.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <utility>

namespace {
constexpr int Margin = 4; // around the lines, in the picture's logical pixels
const QColor Ink(32, 32, 32);

// The locale's time with seconds, as its long format has them, without the zone: two pictures
// of one minute differ by the seconds, and the time is the bench clock's, as it was taken.
QString timeFormatWithSeconds(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString withoutZone;
    bool quoted = false;
    for (const QChar c : format) {
        quoted = c == QLatin1Char('\'') ? !quoted : quoted;
        if (quoted || c != QLatin1Char('t'))
            withoutZone += c;
    }
    return withoutZone.simplified();
}

QString timeLine(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QLocale locale;
    return locale.toString(time.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time.time(), timeFormatWithSeconds(locale));
}

// The picture's rows, then a white band of `band` rows.
QImage withBand(const QImage& picture, int band)
{
    QImage print(picture.width(), picture.height() + band, QImage::Format_RGB32);
    print.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(print.scanLine(y), picture.constScanLine(y),
                    static_cast<std::size_t>(picture.bytesPerLine()));
    print.setDevicePixelRatio(picture.devicePixelRatio());
    return print;
}
} // namespace

QImage CapturedPrint(const QImage& picture, const CaptureInfo& info)
{
    if (picture.isNull())
        return {};
    const QImage printable = PrintablePicture(picture).convertToFormat(QImage::Format_RGB32);
    QStringList lines;
    if (const QString note = info.note.simplified(); !note.isEmpty())
        lines << note;
    if (const QString time = timeLine(info.time); !time.isEmpty())
        lines << time;
    const QFont font = QGuiApplication::font();
    const qreal ratio = picture.devicePixelRatio();
    // Measured as drawn: on an image, in its logical pixels.
    QImage probe(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &probe);
    const int logicalBand = lines.isEmpty() ? 0 : 2 * Margin + lines.size() * metrics.lineSpacing();
    QImage print = withBand(printable, static_cast<int>(std::ceil(logicalBand * ratio)));
    QPainter painter(&print);
    painter.setFont(font);
    painter.setPen(Ink);
    const int width = static_cast<int>(printable.width() / ratio) - 2 * Margin;
    int baseline = static_cast<int>(printable.height() / ratio) + Margin + metrics.ascent();
    for (const QString& line : std::as_const(lines)) {
        painter.drawText(Margin, baseline, metrics.elidedText(line, Qt::ElideRight, width));
        baseline += metrics.lineSpacing();
    }
    return print;
}
