// The picture at 150 %: whole multiples counted in the screen's own pixels, and any other size
// smoothed once to those pixels, not smoothed to the window's size and stretched again.
#include "scaledimage.h"
#include "testpictures.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {
constexpr double Scale = 1.5;
} // namespace

class TestScreenScale : public QObject {
    Q_OBJECT
private slots:
    void pictureInScreenPixels_data();
    void pictureInScreenPixels();
};

void TestScreenScale::pictureInScreenPixels_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("crisp");
    // 256x128 on the screen is 384x192 of its pixels: three times 128x64, one and a half 256x128.
    QTest::newRow("three screen pixels a pixel") << QSize(128, 64) << true;
    QTest::newRow("one and a half") << QSize(256, 128) << false;
}

void TestScreenScale::pictureInScreenPixels()
{
    QFETCH(QSize, picture);
    QFETCH(bool, crisp);
    ScaledImage shown;
    shown.resize(256, 128);
    shown.setImage(Checkerboard(picture));
    QCOMPARE(shown.devicePixelRatioF(), Scale);
    QCOMPARE(shown.drawnCrisp(), crisp);
    QImage drawn = Rgb32(shown.grab().toImage());
    drawn.setDevicePixelRatio(1); // compared pixel for pixel
    QCOMPARE(drawn.size(), QSize(384, 192));
    const QImage expected = Rgb32(
        Checkerboard(picture).scaled(drawn.size(), Qt::IgnoreAspectRatio,
                                     crisp ? Qt::FastTransformation : Qt::SmoothTransformation));
    QCOMPARE(drawn, expected);
}

int main(int argc, char** argv)
{
    // Read when the application starts.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Scale));
    QApplication app(argc, argv);
    TestScreenScale test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_screenscale.moc"
