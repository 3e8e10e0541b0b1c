// The printable copy of a capture: the printable picture unchanged above, its note and its time
// legible below, within the picture's width.
#include "capturedprint.h"
#include "printablepicture.h"

#include "testpictures.h"

#include <QTest>

namespace {
const QDateTime Taken(QDate(2026, 12, 6), QTime(19, 5, 7));

CaptureInfo infoWith(const QString& note, const QDateTime& time = Taken)
{
    return {time, QStringLiteral("COM9"), QStringLiteral("160x40"), note};
}

QImage band(const QImage& print, int pictureHeight)
{
    return print.copy(0, pictureHeight, print.width(), print.height() - pictureHeight);
}

// Dark pixels within `area`: the lettering.
int inkIn(const QImage& image, const QRect& area)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return ink;
}
} // namespace

class TestCapturedPrint : public QObject {
    Q_OBJECT
private slots:
    void noteAboveTime_data();
    void noteAboveTime();
    void secondsShown();
    void longNoteStaysInside();
    void pixelRatioKept();
};

void TestCapturedPrint::noteAboveTime_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("note");
    QTest::newRow("RGB") << Checkerboard({160, 40}) << "probe x10, 50 Ω";
    QImage palette(160, 40, QImage::Format_Indexed8);
    palette.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 0)});
    palette.fill(0);
    QTest::newRow("palette, Japanese note") << palette << "立ち上がり 5 ns";
}

// The note's line is added above the time's, which is the same with or without it.
void TestCapturedPrint::noteAboveTime()
{
    QFETCH(QImage, picture);
    QFETCH(QString, note);
    const QImage noted = CapturedPrint(picture, infoWith(note));
    const QImage plain = CapturedPrint(picture, infoWith({}));
    QCOMPARE(noted.format(), QImage::Format_RGB32);
    QCOMPARE(noted.width(), picture.width());
    QVERIFY(plain.height() > picture.height());
    QVERIFY(noted.height() > plain.height());
    const QImage printable = PrintablePicture(picture).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(noted.copy(printable.rect()), printable);

    const QImage notedBand = band(noted, picture.height());
    const QImage plainBand = band(plain, picture.height());
    const int noteLine = notedBand.height() - plainBand.height();
    QVERIFY(inkIn(notedBand, {0, 0, notedBand.width(), noteLine}) > 0);
    QVERIFY(inkIn(plainBand, plainBand.rect()) > 0);
    // Below the reach of the note's descenders.
    const int half = plainBand.height() / 2;
    QCOMPARE(notedBand.copy(0, noteLine + half, notedBand.width(), plainBand.height() - half),
             plainBand.copy(0, half, plainBand.width(), plainBand.height() - half));
}

// Two pictures of one minute tell apart.
void TestCapturedPrint::secondsShown()
{
    const QImage picture = Checkerboard({160, 40});
    const QImage first = CapturedPrint(picture, infoWith({}));
    const QImage second = CapturedPrint(picture, infoWith({}, Taken.addSecs(1)));
    QCOMPARE(second.size(), first.size());
    QVERIFY(band(second, 40) != band(first, 40));
}

void TestCapturedPrint::longNoteStaysInside()
{
    const QImage picture = Checkerboard({120, 30});
    const QImage print = CapturedPrint(picture, infoWith(QString(200, QLatin1Char('W'))));
    const QImage lines = band(print, picture.height());
    QCOMPARE(print.width(), picture.width());
    QVERIFY(inkIn(lines, {lines.width() / 2, 0, lines.width() / 2, lines.height()}) > 0);
    QCOMPARE(inkIn(lines, {lines.width() - 2, 0, 2, lines.height()}), 0);
    QCOMPARE(inkIn(lines, {0, 0, 2, lines.height()}), 0);
}

// A picture of twice the pixels gets lines of twice the pixels, as on such a screen.
void TestCapturedPrint::pixelRatioKept()
{
    QImage sharp = Checkerboard({320, 80});
    sharp.setDevicePixelRatio(2);
    const QImage print = CapturedPrint(sharp, infoWith(QStringLiteral("note")));
    const QImage plain = CapturedPrint(Checkerboard({160, 40}), infoWith(QStringLiteral("note")));
    QCOMPARE(print.devicePixelRatio(), 2.0);
    QCOMPARE(print.width(), 320);
    const int sharpBand = print.height() - 80;
    const int plainBand = plain.height() - 40;
    QVERIFY2(qAbs(sharpBand - 2 * plainBand) <= 1,
             qPrintable(QStringLiteral("%1 against %2").arg(sharpBand).arg(plainBand)));
    QVERIFY(CapturedPrint(QImage(), infoWith({})).isNull());
}

QTEST_MAIN(TestCapturedPrint)
#include "test_capturedprint.moc"
