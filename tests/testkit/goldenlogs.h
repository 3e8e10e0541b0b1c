#pragma once

#include "testfiles.h"

#include <QByteArrayList>
#include <QString>

// The golden logs of tests/data/log: short exchanges with an instrument that answers in step,
// written down from the protocol's rules.
namespace GoldenLogs {
// Block 1 with data bytes 3, 10, 17, ... (7 apart), whose CRC-16 is 2EE4.
[[nodiscard]] inline QByteArray block(bool goodCrc)
{
    QByteArray data(128, Qt::Uninitialized);
    for (int i = 0; i < 128; ++i)
        data[i] = static_cast<char>(i * 7 + 3);
    const std::uint16_t crc = goodCrc ? 0x2EE4 : 0x2EE4 ^ 0x0101;
    return QByteArray("\x01\x01\xFE", 3) + data + char(crc >> 8) + char(crc & 0xFF);
}

// What the instrument sends in the exchange of each log; the time-out and the cancel send
// nothing (the cancel comes half a second after the request).
inline void addRows()
{
    const QByteArray eot(1, '\x04');
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<QString>("golden");
    QTest::newRow("clean block") << QByteArrayList{block(true), eot} << "clean-block";
    QTest::newRow("bad CRC") << QByteArrayList{block(false), block(true), eot} << "bad-crc";
    QTest::newRow("noise") << QByteArrayList{"\x55\xAA\x55", block(true), eot} << "noise";
    QTest::newRow("lost ACK") << QByteArrayList{block(true), block(true), eot} << "lost-ack";
    QTest::newRow("time-out") << QByteArrayList{} << "timeout";
    QTest::newRow("cancel") << QByteArrayList{} << "cancel";
}

// The log as the window shows it: lines joined by LF, the last one ended too.
[[nodiscard]] inline QString read(const QString& golden)
{
    return QString::fromLatin1(
        ReadTestFile(QStringLiteral(ORVISNAP_TEST_DATA "/log/%1.txt").arg(golden)));
}
} // namespace GoldenLogs
