#include "capturesfolder.h"

#include "capturestore.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {
constexpr QSize ScreenSize(320, 240);
constexpr QRect Grid(10, 16, 300, 200); // ten divisions by eight, 30 x 25 pixels

const QList<QRgb> Palette = {qRgb(0, 0, 0),       qRgb(240, 255, 0),   qRgb(0, 255, 255),
                             qRgb(128, 128, 128), qRgb(255, 255, 255), qRgb(255, 0, 255)};

void drawGrid(QPainter& painter)
{
    painter.setPen(QColor(Palette[3]));
    for (int x = Grid.left(); x <= Grid.right() + 1; x += Grid.width() / 10)
        for (int y = Grid.top(); y <= Grid.bottom() + 1; y += 5)
            painter.drawPoint(x, y);
    for (int y = Grid.top(); y <= Grid.bottom() + 1; y += Grid.height() / 8)
        for (int x = Grid.left(); x <= Grid.right() + 1; x += 5)
            painter.drawPoint(x, y);
    painter.drawRect(Grid);
}

// A damped sine on channel 1, a square wave with ringing on channel 2.
void drawTraces(QPainter& painter, int phase)
{
    QPainterPath sine;
    QPainterPath square;
    for (int x = 0; x < Grid.width(); ++x) {
        const double t = (x + phase * 7) * 2 * std::numbers::pi / 75.0;
        const double ySine = Grid.top() + 60 - 40 * std::sin(t) * std::exp(-x / 400.0);
        const int period = (x + phase * 3) % 100;
        const double ring = 6 * std::exp(-(period % 50) / 6.0) * std::cos(period * 1.3);
        const double ySquare = Grid.top() + (period < 50 ? 130 : 170) + ring;
        const QPointF a(Grid.left() + x, ySine);
        const QPointF b(Grid.left() + x, ySquare);
        x == 0 ? sine.moveTo(a) : sine.lineTo(a);
        x == 0 ? square.moveTo(b) : square.lineTo(b);
    }
    painter.setPen(QColor(Palette[1]));
    painter.drawPath(sine);
    painter.setPen(QColor(Palette[2]));
    painter.drawPath(square);
}

void drawLettering(QPainter& painter, int phase)
{
    QFont font;
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(Palette[4]));
    painter.drawText(12, 11, QStringLiteral("CH1 2.00V  CH2 500mV  M 250us"));
    painter.drawText(12, 232, QStringLiteral("T'D %1.00us  Trig CH1 1.20V").arg(phase % 100));
    painter.setPen(QColor(Palette[5]));
    painter.drawText(250, 232, QStringLiteral("f=%1kHz").arg(4 + phase % 7));
}
} // namespace

QImage ScopeScreen(int phase)
{
    QImage screen(ScreenSize, QImage::Format_RGB32);
    screen.fill(Palette[0]);
    {
        QPainter painter(&screen);
        drawGrid(painter);
        drawTraces(painter, phase);
        drawLettering(painter, phase);
    }
    // As the instrument sends it: a few colours in a table.
    return screen.convertToFormat(QImage::Format_Indexed8, Palette, Qt::ThresholdDither);
}

Outcome MakeCapturesFolder(const QString& folder, int count, const QDateTime& first)
{
    const CaptureStore store(folder, count);
    for (int i = 0; i < count; ++i) {
        const CaptureInfo info{
            first.addSecs(60LL * i), QStringLiteral("COM3"), QStringLiteral("320x240"),
            QStringLiteral("Run %1: ripple on the 5 V rail after the load step").arg(i + 1)};
        if (const CaptureStore::Added added = store.add(ScopeScreen(i), info); !added.outcome)
            return added.outcome;
    }
    return {};
}
