#include "systemportprobe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using PortMap = QMap<int, QString>;

namespace {

void createFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList devices(const QString& prefix, int from, int to)
{
    QStringList list;
    for (int i = from; i <= to; ++i)
        list.append(prefix + QString::number(i));
    return list;
}

} // namespace

class TestSystemPortProbe : public QObject {
    Q_OBJECT

private slots:
    void naturalLess_data();
    void naturalLess();
    void assign_data();
    void assign();
    void linkToSystemPortIsNotListedTwice();
    void pinnedPortsComeFirst();
};

void TestSystemPortProbe::naturalLess_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("less");

    QTest::newRow("2 < 10") << "/dev/ttyS2"
                            << "/dev/ttyS10" << true;
    QTest::newRow("10 > 2") << "/dev/ttyS10"
                            << "/dev/ttyS2" << false;
    QTest::newRow("9 < 10") << "/dev/ttyUSB9"
                            << "/dev/ttyUSB10" << true;
    QTest::newRow("ttyS10 < ttyUSB0") << "/dev/ttyS10"
                                      << "/dev/ttyUSB0" << true;
    QTest::newRow("ttyACM0 < ttyS0") << "/dev/ttyACM0"
                                     << "/dev/ttyS0" << true;
    QTest::newRow("prefix first") << "/dev/ttyS"
                                  << "/dev/ttyS0" << true;
    QTest::newRow("equal") << "/dev/ttyS1"
                           << "/dev/ttyS1" << false;
    QTest::newRow("numbers beyond 64 bits") << "/dev/x99999999999999999999"
                                            << "/dev/x100000000000000000000" << true;
    QTest::newRow("name before folder") << "/dev/z/ttyS1"
                                        << "/dev/a/ttyS2" << true;
    QTest::newRow("folder breaks a tie") << "/dev/a/ttyS1"
                                         << "/dev/z/ttyS1" << true;
    QTest::newRow("leading zero still ordered") << "/dev/ttyS1"
                                                << "/dev/ttyS01" << false;
    QTest::newRow("leading zero reversed") << "/dev/ttyS01"
                                           << "/dev/ttyS1" << true;
}

void TestSystemPortProbe::naturalLess()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, less);
    QCOMPARE(SystemPortProbe::naturalLess(a, b), less);
    if (less)
        QVERIFY2(!SystemPortProbe::naturalLess(b, a), "not antisymmetric");
}

void TestSystemPortProbe::assign_data()
{
    QTest::addColumn<PortMap>("explicitMap");
    QTest::addColumn<QStringList>("systemPorts");
    QTest::addColumn<PortMap>("expected");

    QTest::newRow("nothing") << PortMap{} << QStringList{} << PortMap{};
    QTest::newRow("system ports in natural order")
        << PortMap{} << QStringList{"/dev/ttyUSB0", "/dev/ttyS10", "/dev/ttyS2"}
        << PortMap{{1, "/dev/ttyS2"}, {2, "/dev/ttyS10"}, {3, "/dev/ttyUSB0"}};
    QTest::newRow("explicit keep their numbers, the rest fill the gaps")
        << PortMap{{2, "/dev/ttyUSB1"}, {4, "/dev/ttyACM0"}}
        << QStringList{"/dev/ttyUSB1", "/dev/ttyUSB0", "/dev/ttyS1", "/dev/ttyS0"}
        << PortMap{{1, "/dev/ttyS0"},
                   {2, "/dev/ttyUSB1"},
                   {3, "/dev/ttyS1"},
                   {4, "/dev/ttyACM0"},
                   {5, "/dev/ttyUSB0"}};
    QTest::newRow("explicit device outside the system list")
        << PortMap{{7, "/tmp/dsosim-pty"}} << QStringList{"/dev/ttyS0"}
        << PortMap{{1, "/dev/ttyS0"}, {7, "/tmp/dsosim-pty"}};
    QTest::newRow("comma paths skipped")
        << PortMap{{3, "/dev/a,b"}} << QStringList{"/dev/x,y", "/dev/ttyS0", ""}
        << PortMap{{1, "/dev/ttyS0"}};
    QTest::newRow("system port listed twice")
        << PortMap{} << QStringList{"/dev/ttyS0", "/dev/ttyS0"} << PortMap{{1, "/dev/ttyS0"}};
    QTest::newRow("explicit numbers outside 1 to 30 ignored")
        << PortMap{{0, "/dev/a"}, {31, "/dev/b"}} << QStringList{"/dev/ttyS0"}
        << PortMap{{1, "/dev/ttyS0"}};

    PortMap first30;
    for (int n = 1; n <= 30; ++n)
        first30.insert(n, QStringLiteral("/dev/ttyUSB%1").arg(n - 1));
    QTest::newRow("more than 30 system ports")
        << PortMap{} << devices(QStringLiteral("/dev/ttyUSB"), 0, 34) << first30;
    QTest::newRow("all numbers taken explicitly")
        << first30 << QStringList{"/dev/ttyS0", "/dev/ttyUSB30"} << first30;

    PortMap pinnedLast = {{30, "/dev/ttyS0"}};
    for (int n = 1; n <= 29; ++n)
        pinnedLast.insert(n, QStringLiteral("/dev/ttyUSB%1").arg(n - 1));
    QTest::newRow("pinned port survives overflow")
        << PortMap{{30, "/dev/ttyS0"}}
        << devices(QStringLiteral("/dev/ttyUSB"), 0, 40) + QStringList{"/dev/ttyS0"} << pinnedLast;
}

void TestSystemPortProbe::assign()
{
    QFETCH(PortMap, explicitMap);
    QFETCH(QStringList, systemPorts);
    QFETCH(PortMap, expected);
    QCOMPARE(SystemPortProbe::assign(explicitMap, systemPorts), expected);
}

void TestSystemPortProbe::linkToSystemPortIsNotListedTwice()
{
#ifdef Q_OS_WIN
    QSKIP("Windows numbers its ports itself, and its links are shortcuts");
#endif
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString device = dir.filePath(QStringLiteral("ttyUSB0"));
    const QString link = dir.filePath(QStringLiteral("usb-FTDI_FT232R-if00-port0"));
    createFile(device, {});
    QVERIFY(QFile::link(device, link));

    const PortMap ports = SystemPortProbe::assign({{5, link}}, {device, "/dev/ttyS0"});
    QCOMPARE(ports, (PortMap{{1, "/dev/ttyS0"}, {5, link}}));
}

// The ports now with the pinned ones first: the system's other ports fill the free numbers,
// none twice, none without a number of its own, none with a comma (which the settings file's
// and the list's records cannot carry).
void TestSystemPortProbe::pinnedPortsComeFirst()
{
#ifdef Q_OS_WIN
    QSKIP("Windows numbers its ports itself");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString device = dir.filePath(QStringLiteral("pinned"));
    createFile(device, {});
    const PortMap ports =
        SystemPortProbe::ports({{30, device}, {29, dir.filePath(QStringLiteral("tty,b"))}});
    QCOMPARE(ports.value(30), device);
    QVERIFY(!ports.contains(0) && !ports.contains(31));
    for (const QString& path : ports)
        QVERIFY(!path.contains(QLatin1Char(',')));
#endif
}

QTEST_GUILESS_MAIN(TestSystemPortProbe)
#include "test_systemportprobe.moc"
