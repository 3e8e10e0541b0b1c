// The Windows serial line's decisions, as tables: they hold on every system.
#include "wincommrules.h"

#include <QTest>

using Refusal = SerialLine::Refusal;

class TestWinCommRules : public QObject {
    Q_OBJECT
private slots:
    void singleErrorFlagDefersTheRead_data();
    void singleErrorFlagDefersTheRead();
    void refusals_data();
    void refusals();
    void goneDevice_data();
    void goneDevice();
    void portNames_data();
    void portNames();
};

void TestWinCommRules::singleErrorFlagDefersTheRead_data()
{
    QTest::addColumn<uint>("errorWord");
    QTest::addColumn<bool>("defers");
    QTest::newRow("no error") << 0U << false;
    const uint flags[] = {1, 2, 4, 8, 16, 256, 512, 1024, 2048, 4096, 32768};
    for (const uint flag : flags)
        QTest::addRow("flag %u alone", flag) << flag << true;
    QTest::newRow("overrun and receive overflow") << 3U << false;
    QTest::newRow("frame and break") << 24U << false;
    QTest::newRow("unnamed bit 32") << 32U << false;
    QTest::newRow("unnamed bit 128") << 128U << false;
    QTest::newRow("every flag") << 0xFFFFU << false;
}

void TestWinCommRules::singleErrorFlagDefersTheRead()
{
    QFETCH(uint, errorWord);
    QFETCH(bool, defers);
    QCOMPARE(WinCommRules::defersRead(errorWord), defers);
}

void TestWinCommRules::refusals_data()
{
    QTest::addColumn<uint>("lastError");
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("file not found") << 2U << Refusal::NoDevice;
    QTest::newRow("path not found") << 3U << Refusal::NoDevice;
    QTest::newRow("access denied: held elsewhere") << 5U << Refusal::Busy;
    QTest::newRow("sharing violation") << 32U << Refusal::Busy;
    QTest::newRow("invalid name") << 123U << Refusal::Other;
    QTest::newRow("device not connected") << 1167U << Refusal::Other;
    QTest::newRow("generic failure") << 31U << Refusal::Other;
}

void TestWinCommRules::refusals()
{
    QFETCH(uint, lastError);
    QFETCH(Refusal, refusal);
    QCOMPARE(WinCommRules::refusalOf(lastError), refusal);
}

void TestWinCommRules::goneDevice_data()
{
    QTest::addColumn<uint>("lastError");
    QTest::addColumn<bool>("gone");
    QTest::newRow("access denied") << 5U << true;
    QTest::newRow("invalid handle") << 6U << true;
    QTest::newRow("bad command") << 22U << true;
    QTest::newRow("generic failure") << 31U << true;
    QTest::newRow("operation aborted") << 995U << true;
    QTest::newRow("device not connected") << 1167U << true;
    QTest::newRow("device removed") << 1617U << true;
    QTest::newRow("I/O pending is no failure") << 997U << false;
    QTest::newRow("a timeout counts only when it repeats") << 1460U << false;
}

void TestWinCommRules::goneDevice()
{
    QFETCH(uint, lastError);
    QFETCH(bool, gone);
    QCOMPARE(WinCommRules::meansDeviceGone(lastError), gone);
}

void TestWinCommRules::portNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number"); // 0: not a port name
    QTest::newRow("COM3") << "COM3" << 3;
    QTest::newRow("com12 in lower case") << "com12" << 12;
    QTest::newRow("above the probed ports") << "COM45" << 45;
    QTest::newRow("device path") << "\\\\.\\COM12" << 12;
    QTest::newRow("device path in lower case") << "\\\\.\\com7" << 7;
    QTest::newRow("COM0") << "COM0" << 0;
    QTest::newRow("leading zero") << "COM03" << 0;
    QTest::newRow("bare number") << "3" << 0;
    QTest::newRow("other device") << "\\\\.\\CNCA0" << 0;
    QTest::newRow("too many digits") << "COM1234567890" << 0;
    QTest::newRow("trailing text") << "COM3:" << 0;
}

void TestWinCommRules::portNames()
{
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(WinCommRules::portNumberOfName(name).value_or(0), number);
    if (number > 0)
        QCOMPARE(WinCommRules::devicePath(number), QStringLiteral("\\\\.\\COM%1").arg(number));
}

QTEST_APPLESS_MAIN(TestWinCommRules)
#include "test_wincommrules.moc"
