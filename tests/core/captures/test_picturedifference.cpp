// Two pictures compared pixel for pixel, whatever their formats and sizes.
#include "picturedifference.h"

#include "testpictures.h"

#include <QTest>

namespace {
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb Cyan = qRgb(0, 255, 255);

QImage filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image.convertToFormat(format);
}

QImage withPixel(QImage image, QPoint at, QRgb colour)
{
    image.setPixel(at, colour);
    return image;
}

// Yellow and cyan stripes, as a palette picture.
QImage stripes(QSize size)
{
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable({Yellow, Cyan});
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, static_cast<uint>(x % 2));
    return image;
}

QRgb dimmed(QRgb pixel)
{
    return qRgba(qRed(pixel) / 3, qGreen(pixel) / 3, qBlue(pixel) / 3, qAlpha(pixel));
}
} // namespace

class TestPictureDifference : public QObject {
    Q_OBJECT
private slots:
    void difference_data();
    void difference();
    void centred_data();
    void centred();
};

void TestPictureDifference::difference_data()
{
    QTest::addColumn<QImage>("first");
    QTest::addColumn<QImage>("second");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QPoint>>("marked"); // all of them, where the count allows
    const QImage screen = Checkerboard({8, 6});
    const QImage yellow = filled({4, 4}, Yellow);
    QTest::newRow("identical") << screen << screen << QSize(8, 6) << 0 << QList<QPoint>{};
    QTest::newRow("one pixel") << screen << withPixel(screen, {5, 2}, Yellow) << QSize(8, 6) << 1
                               << QList<QPoint>{{5, 2}};
    QTest::newRow("one pixel, in the second's blue channel only")
        << screen << withPixel(screen, {0, 0}, qRgb(0, 0, 254)) << QSize(8, 6) << 1
        << QList<QPoint>{{0, 0}};
    QTest::newRow("alpha alone does not count")
        << yellow << filled({4, 4}, qRgba(255, 255, 0, 128), QImage::Format_ARGB32) << QSize(4, 4)
        << 0 << QList<QPoint>{};
    // 2 x 2 centred on 4 x 4 at (1, 1): the ring around it is the first's alone.
    QTest::newRow("smaller second: its uncovered border")
        << yellow << filled({2, 2}, Yellow) << QSize(4, 4) << 12
        << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {3, 1},
                         {0, 2}, {3, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3}};
    QTest::newRow("smaller first, odd margins")
        << filled({2, 1}, Yellow) << filled({5, 3}, Yellow) << QSize(5, 3) << 13 << QList<QPoint>{};
    // A row across and a column down, crossing at (1, 1).
    QTest::newRow("wide and tall")
        << filled({4, 1}, Yellow) << filled({1, 4}, Yellow) << QSize(4, 4) << 6
        << QList<QPoint>{{0, 1}, {2, 1}, {3, 1}, {1, 0}, {1, 2}, {1, 3}};
    QTest::newRow("palette and 32-bit, one content")
        << stripes({6, 3}) << stripes({6, 3}).convertToFormat(QImage::Format_ARGB32_Premultiplied)
        << QSize(6, 3) << 0 << QList<QPoint>{};
    QTest::newRow("16-bit and 24-bit, one content")
        << stripes({6, 3}).convertToFormat(QImage::Format_RGB16)
        << stripes({6, 3}).convertToFormat(QImage::Format_RGB888) << QSize(6, 3) << 0
        << QList<QPoint>{};
    // Indices the colour table lacks, and no table at all, show as Qt shows them.
    QImage pastTable = stripes({6, 3});
    pastTable.scanLine(1)[2] = 7; // setPixel() refuses it
    QTest::newRow("palette index past its table")
        << pastTable << Rgb32(pastTable) << QSize(6, 3) << 0 << QList<QPoint>{};
    QImage grey = stripes({6, 3});
    grey.setColorTable({});
    QTest::newRow("palette without a table")
        << grey << Rgb32(grey) << QSize(6, 3) << 0 << QList<QPoint>{};
    QTest::newRow("no first") << QImage() << filled({2, 1}, Yellow) << QSize(2, 1) << 2
                              << QList<QPoint>{{0, 0}, {1, 0}};
    QTest::newRow("no second") << filled({2, 1}, Yellow) << QImage() << QSize(2, 1) << 2
                               << QList<QPoint>{{0, 0}, {1, 0}};
    QTest::newRow("neither") << QImage() << QImage() << QSize(0, 0) << 0 << QList<QPoint>{};
}

// The overlay shows the first picture dimmed where the two agree, Marked where they do not.
void TestPictureDifference::difference()
{
    QFETCH(QImage, first);
    QFETCH(QImage, second);
    QFETCH(QSize, size);
    QFETCH(int, count);
    QFETCH(QList<QPoint>, marked);
    const PictureDifference difference(first, second);
    QCOMPARE(difference.size(), size);
    QCOMPARE(difference.count(), count);
    const QImage& overlay = difference.overlay();
    QCOMPARE(overlay.size(), size);
    if (size.isEmpty())
        return;
    const QImage placed = PictureDifference::centred(first, size);
    int markedCount = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool isMarked = overlay.pixel(x, y) == PictureDifference::Marked.rgba();
            markedCount += isMarked ? 1 : 0;
            if (!isMarked)
                QCOMPARE(overlay.pixel(x, y), dimmed(placed.pixel(x, y)));
        }
    }
    QCOMPARE(markedCount, count);
    for (const QPoint& point : marked)
        QVERIFY2(overlay.pixel(point) == PictureDifference::Marked.rgba(),
                 qPrintable(QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y())));
}

void TestPictureDifference::centred_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage>("expected");
    const QRgb none = qRgba(0, 0, 0, 0);
    const auto row = [](QList<QRgb> pixels) {
        QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_ARGB32);
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, 0, pixels[x]);
        return image;
    };
    QTest::newRow("odd margin: the extra pixel after")
        << row({Yellow, Cyan}) << QSize(5, 1) << row({none, Yellow, Cyan, none, none});
    QTest::newRow("palette") << stripes({2, 1}) << QSize(4, 1) << row({none, Yellow, Cyan, none});
    QTest::newRow("larger than the canvas: cut evenly")
        << row({1, 2, 3, 4, 5}) << QSize(2, 1) << row({3, 4});
    QTest::newRow("nothing") << QImage() << QSize(2, 1) << row({none, none});
}

void TestPictureDifference::centred()
{
    QFETCH(QImage, picture);
    QFETCH(QSize, size);
    QFETCH(QImage, expected);
    const QImage centred = PictureDifference::centred(picture, size);
    QCOMPARE(centred.format(), QImage::Format_ARGB32);
    QCOMPARE(centred, expected);
}

QTEST_GUILESS_MAIN(TestPictureDifference)
#include "test_picturedifference.moc"
