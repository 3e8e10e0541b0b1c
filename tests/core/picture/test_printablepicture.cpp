#include "printablepicture.h"

#include <QTest>

namespace {
// One digit per pixel: its entry in `palette`.
QImage picture(const QList<QRgb>& palette, const QByteArray& pixels, QImage::Format format)
{
    QImage indexed(static_cast<int>(pixels.size()), 1, QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int x = 0; x < pixels.size(); ++x)
        indexed.setPixel(x, 0, static_cast<uint>(pixels[x] - '0'));
    return indexed.convertToFormat(format);
}

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(192, 192, 192);
} // namespace

class TestPrintablePicture : public QObject {
    Q_OBJECT
private slots:
    void printable_data();
    void printable();
};

void TestPrintablePicture::printable_data()
{
    QTest::addColumn<QImage>("input");
    QTest::addColumn<QImage>("expected");
    for (const auto format : {QImage::Format_Indexed8, QImage::Format_RGB32}) {
        const QByteArray kind = format == QImage::Format_Indexed8 ? "palette" : "RGB";
        // A received screen: black ground, traces in the patched yellow and in yellow.
        QTest::newRow(kind + ", dark screen")
            << picture({Black, qRgb(240, 255, 0), qRgb(255, 255, 0)}, "0012000", format)
            << picture({White, qRgb(15, 0, 255), qRgb(0, 0, 255)}, "0012000", format);
        // Light ground: inverted it is dark grey, which becomes white.
        QTest::newRow(kind + ", light screen")
            << picture({Grey, Black}, "00100", format) << picture({White, White}, "00100", format);
    }
    QTest::newRow("alpha kept") << picture({qRgba(192, 192, 192, 128), Black}, "001",
                                           QImage::Format_ARGB32)
                                << picture({qRgba(255, 255, 255, 128), White}, "001",
                                           QImage::Format_ARGB32);
    // Entries of one colour count together and all turn white.
    QTest::newRow("palette, shared colour")
        << picture({Grey, Grey, Black}, "0122", QImage::Format_Indexed8)
        << picture({White, White, White}, "0122", QImage::Format_Indexed8);
}

void TestPrintablePicture::printable()
{
    QFETCH(QImage, input);
    QFETCH(QImage, expected);
    const QImage printable = PrintablePicture(input);
    QCOMPARE(printable.format(), input.format());
    QCOMPARE(printable.colorTable(), expected.colorTable());
    QCOMPARE(printable.convertToFormat(QImage::Format_ARGB32),
             expected.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(TestPrintablePicture)
#include "test_printablepicture.moc"
