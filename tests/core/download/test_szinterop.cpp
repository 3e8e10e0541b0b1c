// The download driver against a standard sender: lrzsz's `sz --xmodem` over real ptys, behind a
// bridge that makes up for what sz expects of a receiver and the instrument does not.
#include "deviceport.h"
#include "downloadrun.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"
#include "systemclock.h"
#include "szbridge.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int DataSize = XModemReceiver::DataSize;

// Every byte value, in an order that is not a pattern of the block size.
QByteArray contentOfSize(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    std::uint32_t state = 0x2545F491U + static_cast<std::uint32_t>(size);
    for (char& byte : data) {
        state = state * 1664525U + 1013904223U;
        byte = static_cast<char>(state >> 24);
    }
    return data;
}

QByteArray paddedWithSub(QByteArray data)
{
    while (data.size() % DataSize != 0)
        data += '\x1A';
    return data;
}
} // namespace

class TestSzInterop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fileFromSzArrivesWhole_data();
    void fileFromSzArrivesWhole();
};

void TestSzInterop::initTestCase()
{
    if (!SzBridge::available())
        QSKIP("lrzsz's sz is not installed");
}

void TestSzInterop::fileFromSzArrivesWhole_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("1 byte") << 1;
    QTest::newRow("one full block") << 128;
    QTest::newRow("one byte into a second block") << 129;
    QTest::newRow("about 5 KB") << 5000;
    QTest::newRow("block numbers wrap past 255") << 300 * 128 + 17;
}

void TestSzInterop::fileFromSzArrivesWhole()
{
    QFETCH(int, size);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray content = contentOfSize(size);
    const QString file = dir.filePath(QStringLiteral("sent.bin"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(content), qint64(size));
    }
    SzBridge bridge;
    QVERIFY2(bridge.start(file), bridge.szErrors().constData());
    DevicePort port(bridge.devicePath());
    SystemClock clock;
    RecordingListener listener;
    ScreenshotDownload download(listener, clock);
    const DownloadRun run = DownloadRun::toEnd(download, listener, port);
    const DownloadResult& result = run.result;

    QVERIFY2(!run.hung, "the download did not end within the time bound");
    QCOMPARE(result.ending, DownloadResult::Ending::Complete);
    QVERIFY2(bridge.waitForSuccess(30000), bridge.szErrors().constData());
    const int blocks = (size + DataSize - 1) / DataSize;
    QCOMPARE(result.data.size(), blocks * DataSize);
    QVERIFY(result.data == paddedWithSub(content));
    // A clean line: every block is taken at its first transmission, nothing is answered NAK.
    QCOMPARE(result.blocks, blocks);
    QCOMPARE(listener.blocksArrived, blocks);
    QCOMPARE(result.naks, 0);
}

QTEST_GUILESS_MAIN(TestSzInterop)
#include "test_szinterop.moc"
