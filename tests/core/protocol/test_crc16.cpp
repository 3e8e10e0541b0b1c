#include "crc16.h"

#include <QTest>

class TestCrc16 : public QObject {
    Q_OBJECT
private slots:
    void catalogue_data();
    void catalogue();
    void piecewiseFeedingMatchesOneShot();
    void bufferAlwaysStartsFromZero();
    void tableEntries();
};

void TestCrc16::catalogue_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty") << QByteArray() << 0x0000;
    QTest::newRow("check value") << QByteArray("123456789") << 0x31C3;
    QTest::newRow("abc") << QByteArray("abc") << 0x9DD6;
    QTest::newRow("128 zero bytes") << QByteArray(128, '\0') << 0x0000;
    QTest::newRow("one 0xFF") << QByteArray(1, '\xFF') << 0x1EF0;
}

void TestCrc16::catalogue()
{
    QFETCH(QByteArray, input);
    QFETCH(int, expected);
    std::uint16_t crc = 0xFFFF;
    Crc16OfBuffer(crc, input.constData(), static_cast<std::uint16_t>(input.size()));
    QCOMPARE(crc, expected);

    std::uint16_t fed = 0xABCD;
    Crc16Reset(fed);
    Crc16Feed(fed, input.constData(), static_cast<std::uint32_t>(input.size()));
    Crc16Finish(fed);
    QCOMPARE(fed, expected);
}

void TestCrc16::piecewiseFeedingMatchesOneShot()
{
    const QByteArray text("123456789");
    for (int cut = 0; cut <= text.size(); ++cut) {
        std::uint16_t crc = 0;
        Crc16Reset(crc);
        Crc16Feed(crc, text.constData(), static_cast<std::uint32_t>(cut));
        Crc16Feed(crc, text.constData() + cut, static_cast<std::uint16_t>(text.size() - cut));
        Crc16Finish(crc);
        QCOMPARE(crc, 0x31C3);
    }
}

void TestCrc16::bufferAlwaysStartsFromZero()
{
    std::uint16_t crc = 0x1234;
    Crc16OfBuffer(crc, "", 0);
    QCOMPARE(crc, 0);
}

void TestCrc16::tableEntries()
{
    const std::uint16_t first[] = {0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5, 0x60C6, 0x70E7};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(Crc16Table[i], first[i]);
    QCOMPARE(Crc16Table[255], 0x1EF0);
}

QTEST_APPLESS_MAIN(TestCrc16)
#include "test_crc16.moc"
