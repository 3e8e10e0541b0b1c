// The received bytes as a picture: the patch, the judgement of Qt's reader, and the cut of the
// XModem padding that the saved file gets.
#include "receivedpicture.h"

#include <QBuffer>
#include <QTest>

namespace {
// A 4 x 2 picture with a 16-colour palette, as the instrument sends its screens: 118 bytes.
QByteArray smallBmp()
{
    QImage image(4, 2, QImage::Format_Indexed8);
    image.setColorCount(16);
    for (int i = 0; i < 16; ++i)
        image.setColor(i, qRgb(i * 16, 0, 0));
    image.fill(3);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_Indexed8).save(&buffer, "BMP");
    return bytes;
}

QByteArray withSize(QByteArray bmp, quint32 size)
{
    for (int i = 0; i < 4; ++i)
        bmp[2 + i] = static_cast<char>(size >> (8 * i));
    return bmp;
}
} // namespace

class TestReceivedPicture : public QObject {
    Q_OBJECT
private slots:
    void pictureIsPatchedAndCut_data();
    void pictureIsPatchedAndCut();
    void bytesThatAreNoPictureStayAsTheyCame_data();
    void bytesThatAreNoPictureStayAsTheyCame();
};

void TestReceivedPicture::pictureIsPatchedAndCut_data()
{
    const QByteArray bmp = smallBmp();
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("trimmedSize");
    QTest::newRow("exact") << bmp << int(bmp.size());
    QTest::newRow("padded to a block")
        << bmp + QByteArray(128 - bmp.size() % 128, '\x1A') << int(bmp.size());
    QTest::newRow("a block's padding, all but a byte")
        << bmp + QByteArray(127, '\x1A') << int(bmp.size());
    // The size the picture's header implies counts, not its size field.
    QTest::newRow("size field 0, as BMP allows") << withSize(bmp, 0) << int(bmp.size());
    QTest::newRow("a wrong size field")
        << withSize(bmp, 4000) + QByteArray(10, '\x1A') << int(bmp.size());
}

void TestReceivedPicture::pictureIsPatchedAndCut()
{
    QFETCH(QByteArray, received);
    QFETCH(int, trimmedSize);
    const ReceivedPicture picture(received);
    QVERIFY(picture.isPicture());
    QCOMPARE(picture.image().size(), QSize(4, 2));
    QCOMPARE(QColor(picture.image().color(1)), QColor(240, 255, 0));
    QCOMPARE(picture.file().size(), received.size());
    QCOMPARE(picture.file().mid(58, 3), QByteArray("\x00\xFF\xF0", 3));
    QCOMPARE(picture.trimmedFile(), picture.file().left(trimmedSize));
}

void TestReceivedPicture::bytesThatAreNoPictureStayAsTheyCame_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<bool>("sizeTells");
    QTest::newRow("junk") << QByteArray(700, 'j') << false;
    QTest::newRow("cut short") << smallBmp().left(80) << true;
    // Qt's reader shows what it can of these; a block was lost, or came twice.
    QTest::newRow("a block twice, size field 0")
        << withSize(smallBmp(), 0) + QByteArray(128, 'b') + QByteArray(10, '\x1A') << true;
    QTest::newRow("a block twice, a wrong size field")
        << withSize(smallBmp(), 400) + QByteArray(128 + 10, '\x1A') << true;
    QTest::newRow("more than a block's padding") << smallBmp() + QByteArray(200, '\x1A') << true;
    // 30000 x 30000 at 24 bits would be 2.7 GB: refused before anything is allocated.
    QByteArray huge = smallBmp();
    huge[18] = huge[22] = char(0x30);
    huge[19] = huge[23] = char(0x75);
    huge[28] = 24;
    QTest::newRow("huge declared picture") << huge << false;
}

void TestReceivedPicture::bytesThatAreNoPictureStayAsTheyCame()
{
    QFETCH(QByteArray, received);
    QFETCH(bool, sizeTells);
    const ReceivedPicture picture(received);
    QVERIFY(!picture.isPicture());
    QCOMPARE(picture.file(), received);
    QCOMPARE(!picture.sizeProblem().isEmpty(), sizeTells);
}

QTEST_GUILESS_MAIN(TestReceivedPicture)
#include "test_receivedpicture.moc"
