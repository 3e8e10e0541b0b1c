// The serial ports as the program numbers them: a list of values, ascending, and the device a
// port number opens; and the line settings as serial tools write them.
#include "comportlist.h"
#include "linesettings.h"

#include <QTest>

namespace {
QMap<int, QString> devicesAt(const QList<int>& numbers)
{
    QMap<int, QString> devices;
    for (const int n : numbers)
        devices.insert(n, QStringLiteral("/dev/ttyFAKE%1").arg(n));
    return devices;
}
} // namespace

class TestComPortList : public QObject {
    Q_OBJECT
private slots:
    void portsInAscendingOrder();
    void devicesOfPorts_data();
    void devicesOfPorts();
    void lineSettingsText_data();
    void lineSettingsText();
};

void TestComPortList::portsInAscendingOrder()
{
    // Above COM30 too, where the system numbers its ports itself; not beyond COM4096.
    const ComPortList list(devicesAt({45, 12, 1, 3, 4097, 0}));
    QStringList names;
    for (const ComPortInfo& port : list.ports())
        names << port.name() + '=' + port.devicePath;
    QCOMPARE(names, QStringList({"COM1=/dev/ttyFAKE1", "COM3=/dev/ttyFAKE3", "COM12=/dev/ttyFAKE12",
                                 "COM45=/dev/ttyFAKE45"}));
    QVERIFY(ComPortList().isEmpty());
    QCOMPARE(list.find(12)->devicePath, QStringLiteral("/dev/ttyFAKE12"));
    QVERIFY(!list.find(5));
}

void TestComPortList::devicesOfPorts_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device"); // empty: none, with the reason below
    QTest::addColumn<QString>("reason");
    QTest::newRow("listed") << 3 << "/dev/ttyFAKE3" << QString();
#ifdef Q_OS_WIN
    // Windows opens any COM number by its own name.
    QTest::newRow("not listed") << 5 << "\\\\.\\COM5" << QString();
#else
    QTest::newRow("not listed") << 5 << QString() << "COM5 is not among the detected ports.";
#endif
}

void TestComPortList::devicesOfPorts()
{
    QFETCH(int, number);
    QFETCH(QString, device);
    QFETCH(QString, reason);
    QString found = QStringLiteral("stale");
    const Outcome known = ComPortList(devicesAt({1, 3})).deviceOf(number, found);
    QCOMPARE(known.ok(), reason.isEmpty());
    QCOMPARE(known.reason(), reason);
    QCOMPARE(found, device);
}

void TestComPortList::lineSettingsText_data()
{
    using P = LineSettings::Parity;
    using S = LineSettings::StopBits;
    QTest::addColumn<LineSettings>("settings");
    QTest::addColumn<QString>("text");
    QTest::newRow("the download's") << LineSettings{38400, 8, P::None, S::One} << "38400,8,N,1";
    QTest::newRow("even, one and a half")
        << LineSettings{9600, 7, P::Even, S::OneAndHalf} << "9600,7,E,1.5";
    QTest::newRow("odd, two") << LineSettings{110, 8, P::Odd, S::Two} << "110,8,O,2";
    QTest::newRow("mark") << LineSettings{300, 8, P::Mark, S::One} << "300,8,M,1";
    QTest::newRow("space") << LineSettings{300, 8, P::Space, S::One} << "300,8,S,1";
}

void TestComPortList::lineSettingsText()
{
    QFETCH(LineSettings, settings);
    QFETCH(QString, text);
    QCOMPARE(settings.text(), text);
}

QTEST_GUILESS_MAIN(TestComPortList)
#include "test_comportlist.moc"
