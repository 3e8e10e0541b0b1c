#pragma once

#include <QByteArray>
#include <QList>
#include <QTest>

// The settings file's rules as one table, for every front end that reads the file: each row
// is a file (null: none) and what counts in it, -1 meaning nothing.
namespace SettingsRows {
enum Field { FirstRun, Left, Top, BmpRes, Timeout, RxDelay, NakDelay, Port };

// What a front end ends up with: the stored value, or its own when nothing counts.
[[nodiscard]] inline int orOwn(const QList<int>& stored, Field field, int own)
{
    return stored[field] == -1 ? own : stored[field];
}

inline void add()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("stored"); // by Field; FirstRun is 0 or 1
    const QByteArray stamp = "[Common]\r\nCreationTime=2026-01-02 03:04:05\r\n";
    const QByteArray values = "Left=5\r\nTop=6\r\nBMPRes=1\r\n[Timings]\r\nTimeout=20\r\n"
                              "RxDelay=40\r\nNAKDelay=50\r\n[ComPort]\r\nPort=3\r\n";
    QTest::newRow("no file") << QByteArray() << QList<int>{1, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("only [Ports]") << QByteArray("[Ports]\r\nCOM9=/dev/ttyUSB0\r\n")
                                  << QList<int>{1, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("empty file") << QByteArray("") << QList<int>{0, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("stamped") << stamp + values << QList<int>{0, 5, 6, 1, 20, 40, 50, 3};
    QTest::newRow("no stamp: only the port")
        << "[Common]\r\n" + values << QList<int>{0, -1, -1, -1, -1, -1, -1, 3};
    QTest::newRow("empty stamp: only the port")
        << "[Common]\r\nCreationTime=\r\n" + values << QList<int>{0, -1, -1, -1, -1, -1, -1, 3};
    QTest::newRow("-1 counts as absent") << stamp + "Left=-1\r\nTop=40\r\n[ComPort]\r\nPort=-1\r\n"
                                         << QList<int>{0, -1, 40, 2, -1, -1, -1, -1};
    // A hand-edited file cannot make a NAK wait ten minutes: the timings are brought into the
    // Timings dialog's ranges.
    QTest::newRow("timings outside their ranges, a port of 0")
        << stamp +
               "[Timings]\r\nTimeout=0\r\nRxDelay=-5\r\nNAKDelay=600000\r\n[ComPort]\r\nPort=0\r\n"
        << QList<int>{0, -1, -1, 2, 5, 10, 100, 0};
    QTest::newRow("mixed-case names")
        << QByteArray("[COMMON]\r\ncreationtime=x\r\nLEFT=11\r\ntop=12\r\nbmpres=3\r\n"
                      "[timings]\r\nTIMEOUT=7\r\n[comport]\r\nPORT=3\r\n")
        << QList<int>{0, 11, 12, 3, 7, -1, -1, 3};
    // Windows Notepad's UTF-8 begins with a byte-order mark.
    const QByteArray mark = "\xef\xbb\xbf";
    QTest::newRow("byte-order mark, stamped")
        << mark + stamp + values << QList<int>{0, 5, 6, 1, 20, 40, 50, 3};
    QTest::newRow("byte-order mark, only [Ports]") << mark + "[Ports]\r\nCOM9=/dev/ttyUSB0\r\n"
                                                   << QList<int>{1, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("byte-order mark alone") << mark << QList<int>{0, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("LF line ends, junk values")
        << QByteArray("[Common]\nCreationTime=y\nLeft=abc\nBMPRes=4\n[Timings]\nRxDelay=9x\n"
                      "Timeout=99999999999\n")
        << QList<int>{0, -1, -1, 4, -1, -1, -1, -1};
}
} // namespace SettingsRows
