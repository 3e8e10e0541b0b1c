#include "bmpheader.h"
#include "filehelpers.h"
#include "hexdump.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileHelpers : public QObject {
    Q_OBJECT
private slots:
    void hexDump_data();
    void hexDump();
    void fileRoundTrip();
    void failuresNameTheFile();
    void patchSetsPaletteEntryOne();
    void patchLeavesShortFilesAlone();
};

void TestFileHelpers::hexDump_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("dump");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("one byte") << QByteArray("\x0a", 1) << QStringLiteral("0A ");
    QByteArray sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen += static_cast<char>(0xF0 + i);
    QTest::newRow("16 bytes: one line, no break")
        << sixteen << QStringLiteral("F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF ");
    QTest::newRow("17 bytes") << sixteen + '\0'
                              << QStringLiteral("F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF "
                                                "\r\n00 ");
}

void TestFileHelpers::hexDump()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, dump);
    QCOMPARE(MakeHexStr(data), dump);
}

void TestFileHelpers::fileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("TMP.BMP"));
    QByteArray binary(300, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7);
    QVERIFY(StringToFile(binary, path));
    QByteArray back;
    QVERIFY(FileToString(path, back));
    QCOMPARE(back, binary);
    // An existing file is emptied, not appended to.
    QVERIFY(StringToFile(QByteArray(), path));
    QVERIFY(FileToString(path, back));
    QVERIFY(back.isEmpty());
}

void TestFileHelpers::failuresNameTheFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    QByteArray data("old");
    const Outcome read = FileToString(missing, data);
    QVERIFY(!read);
    QVERIFY(data.isEmpty());
    QVERIFY(read.reason().contains(missing));
    // A folder that is a file cannot hold anything, even for root.
    QVERIFY(StringToFile("x", dir.filePath(QStringLiteral("plain"))));
    const QString impossible = dir.filePath(QStringLiteral("plain/TMP.BMP"));
    const Outcome written = StringToFile("data", impossible);
    QVERIFY(!written);
    QVERIFY(written.reason().contains(impossible));
}

void TestFileHelpers::patchSetsPaletteEntryOne()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bmp"));
    const QByteArray original(62, '\x11');
    QVERIFY(StringToFile(original, path));
    QVERIFY(PatchBMPBack(path, 240, 255, 0));
    QByteArray patched;
    QVERIFY(FileToString(path, patched));
    QCOMPARE(patched.size(), 62);
    QCOMPARE(patched.mid(58, 4), QByteArray("\x00\xFF\xF0\x11", 4));
    QCOMPARE(patched.left(58), original.left(58));
}

void TestFileHelpers::patchLeavesShortFilesAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.bmp"));
    QVERIFY(StringToFile(QByteArray(60, 'x'), path));
    QVERIFY(!PatchBMPBack(path, 240, 255, 0));
    QByteArray data;
    QVERIFY(FileToString(path, data));
    QCOMPARE(data, QByteArray(60, 'x'));
    QByteArray exactly(61, 'y');
    QVERIFY(PatchBMPBytes(exactly, 1, 2, 3));
    QCOMPARE(exactly.mid(58), QByteArray("\x03\x02\x01", 3));
}

QTEST_APPLESS_MAIN(TestFileHelpers)
#include "test_filehelpers.moc"
