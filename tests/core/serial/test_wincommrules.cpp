// The Windows serial line's decisions, as tables: they hold on every system.
#include "wincommrules.h"

#include <QTest>

#include <functional>

using Refusal = SerialLine::Refusal;

namespace {
// The Windows device control block (DCB): its members under their names and widths, as a driver
// reports them by default.
struct Dcb {
    std::uint32_t DCBlength = 28, BaudRate = 9600;
    std::uint32_t fBinary : 1 = 1, fParity : 1 = 0, fOutxCtsFlow : 1 = 0, fOutxDsrFlow : 1 = 0,
                            fDtrControl : 2 = 1, fDsrSensitivity : 1 = 0, fTXContinueOnXoff : 1 = 1,
                            fOutX : 1 = 0, fInX : 1 = 0, fErrorChar : 1 = 0, fNull : 1 = 0,
                            fRtsControl : 2 = 1, fAbortOnError : 1 = 0, fDummy2 : 17 = 0;
    std::uint16_t wReserved = 0, XonLim = 2048, XoffLim = 512;
    std::uint8_t ByteSize = 8, Parity = 0, StopBits = 0;
    char XonChar = 0x11, XoffChar = 0x13, ErrorChar = 0, EofChar = 0x1A, EvtChar = 0;
    std::uint16_t wReserved1 = 0;

    bool operator==(const Dcb&) const = default;
};

using Poison = std::function<void(Dcb&)>;
const LineSettings Download{38400, 8, LineSettings::Parity::None, LineSettings::StopBits::One};
} // namespace

Q_DECLARE_METATYPE(Poison)

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
    void listedPorts_data();
    void listedPorts();
    void cleanLine_data();
    void cleanLine();
    void refusedBlockIsRetried_data();
    void refusedBlockIsRetried();
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
    QTest::newRow("device not connected") << 1167U << true;
    QTest::newRow("device removed") << 1617U << true;
    QTest::newRow("I/O pending is no failure") << 997U << false;
    QTest::newRow("a timeout counts only when it repeats") << 1460U << false;
    // What an aborted or cancelled request gives: no failure at all.
    QTest::newRow("operation aborted") << 995U << false;
}

void TestWinCommRules::goneDevice()
{
    QFETCH(uint, lastError);
    QFETCH(bool, gone);
    QCOMPARE(WinCommRules::meansDeviceGone(lastError), gone);
    QCOMPARE(WinCommRules::countsAsFailure(lastError), lastError != 995U);
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

void TestWinCommRules::listedPorts_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("ports");
    QTest::newRow("none") << QStringList{} << QList<int>{};
    QTest::newRow("ascending, above COM30 too")
        << QStringList{"COM45", "COM3", "COM1", "COM31"} << QList<int>{1, 3, 31, 45};
    QTest::newRow("the same port twice") << QStringList{"COM5", "COM5"} << QList<int>{5};
    QTest::newRow("other names left out")
        << QStringList{"CNCA0", "COM0", "", "COM7"} << QList<int>{7};
    QTest::newRow("lower case, blanks") << QStringList{"com9 "} << QList<int>{9};
}

void TestWinCommRules::listedPorts()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, ports);
    const QMap<int, QString> listed = WinCommRules::listedPorts(names);
    QCOMPARE(listed.keys(), ports);
    for (const int n : ports)
        QCOMPARE(listed.value(n), QStringLiteral("\\\\.\\COM%1").arg(n));
}

void TestWinCommRules::cleanLine_data()
{
    QTest::addColumn<Poison>("poison"); // what the last program left in the driver's block
    const auto row = [](const char* name, Poison poison) { QTest::newRow(name) << poison; };
    row("a clean block", [](Dcb&) {});
    row("abort on error", [](Dcb& b) { b.fAbortOnError = 1; });
    row("null stripping", [](Dcb& b) { b.fNull = 1; });
    row("parity errors replaced", [](Dcb& b) { b.fErrorChar = b.fParity = 1; });
    row("CTS and DSR handshake", [](Dcb& b) { b.fOutxCtsFlow = b.fOutxDsrFlow = 1; });
    row("DSR sensitivity", [](Dcb& b) { b.fDsrSensitivity = 1; });
    row("RTS toggle", [](Dcb& b) { b.fRtsControl = 3; });
    row("RTS and DTR handshake", [](Dcb& b) { b.fRtsControl = b.fDtrControl = 2; });
    row("DTR and RTS off", [](Dcb& b) { b.fDtrControl = b.fRtsControl = 0; });
    row("XON/XOFF both ways", [](Dcb& b) { b.fOutX = b.fInX = 1; });
    row("XonChar equal to XoffChar", [](Dcb& b) { b.XonChar = b.XoffChar = 0; });
    row("odd limits", [](Dcb& b) { b.XonLim = b.XoffLim = 0xFFFF; });
    row("other line settings", [](Dcb& b) { b.BaudRate = 110, b.ByteSize = 7, b.Parity = 2; });
}

// A poisoned block in, the line the COM settings dialog shows out; the characters that no longer
// count stay as the driver has them.
void TestWinCommRules::cleanLine()
{
    QFETCH(Poison, poison);
    Dcb driver{.fBinary = 0, .ErrorChar = '?'};
    poison(driver);
    Dcb expected{.BaudRate = 38400, .XonLim = 1024, .XoffLim = 1024, .ErrorChar = '?'};
    QVERIFY(WinCommRules::cleanLine(driver, Download, 4096) == expected);
    expected.XonLim = expected.XoffLim = 0; // a driver that does not tell its queue
    QVERIFY(WinCommRules::cleanLine(driver, Download, 0) == expected);
}

void TestWinCommRules::refusedBlockIsRetried_data()
{
    QTest::addColumn<int>("refused"); // how many blocks the driver refuses, from the first
    QTest::newRow("the clean block taken") << 0;
    QTest::newRow("the clean block refused: the four settings alone") << 1;
    QTest::newRow("both refused") << 2;
}

void TestWinCommRules::refusedBlockIsRetried()
{
    QFETCH(int, refused);
    const Dcb driver{.fOutX = 1, .fNull = 1, .XonChar = 0x13};
    QList<Dcb> offered;
    const bool taken = WinCommRules::configureLine(driver, Download, 4096, [&](const Dcb& block) {
        offered.append(block);
        return offered.size() > refused;
    });
    QCOMPARE(taken, refused < 2);
    QCOMPARE(offered.size(), std::min(refused + 1, 2));
    QVERIFY(offered.first() == WinCommRules::cleanLine(driver, Download, 4096));
    Dcb fourAlone = driver;
    fourAlone.BaudRate = 38400;
    QVERIFY(offered.last() == (refused > 0 ? fourAlone : offered.first()));
}

QTEST_APPLESS_MAIN(TestWinCommRules)
#include "test_wincommrules.moc"
