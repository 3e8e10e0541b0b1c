#include "autosave.h"
#include "filesizelimit.h"
#include "picturesizes.h"
#include "pictureview.h"
#include "portdialog.h"
#include "settingsrows.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {
const QRegularExpression Stamp(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$)"));
} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { fixture_.reset(); }
    void firstStartWritesAllKeysAtClose();
    void secondStartComesBackWhereTheFirstClosed();
    void fileWithOnlyPort();
    void emptyFileIsNoFirstRun();
    void portsMapAloneIsFirstRun();
    void emptyStampIgnoresStoredValues();
    void storedValuesAreTaken_data();
    void storedValuesAreTaken();
    void unknownContentSurvivesByteForByte_data();
    void unknownContentSurvivesByteForByte();
    void failedWriteAtCloseIsReportedOnce();
    void refusedFolderKeepsTheOtherSettings();
    void failedStampAtStartDoesNotCutStartUpShort();

private:
    MainWindow& start() { return fixture_.start({1, 3, 5, 12}); }
    void closeWindow();
    [[nodiscard]] int bmpRes()
    {
        return fixture_.find<PictureView>("pictureView").pictureSize().bmpRes;
    }
    [[nodiscard]] QList<int> timings()
    {
        const DownloadTimings t = fixture_.window().timings();
        return {t.timeoutSeconds, t.rxDelayMs, t.nakDelayMs};
    }
    void setTimeout(int seconds)
    {
        DownloadTimings t = fixture_.window().timings();
        t.timeoutSeconds = seconds;
        fixture_.window().setTimings(t);
    }
    // As the user does: the COM settings dialog, the port picked, OK.
    void choosePort(const QString& name)
    {
        QTimer::singleShot(0, &fixture_.window(), [this, name] {
            auto* dialog = fixture_.window().findChild<PortDialog*>();
            dialog->findChild<QComboBox*>("portList")->setCurrentText(name);
            dialog->findChild<QPushButton*>("okButton")->click();
        });
        fixture_.action("portSettingsAction").trigger();
    }
    [[nodiscard]] QString iniPath() const { return fixture_.path("Orvisnap.ini"); }

    WindowsFixture fixture_;
};

void TestSettings::closeWindow()
{
    MainWindow& window = fixture_.window();
    window.show();
    window.close();
    QVERIFY(!window.isVisible());
}

void TestSettings::firstStartWritesAllKeysAtClose()
{
    QVERIFY(start().isFirstRun());
    QCOMPARE(bmpRes(), 2);
    QVERIFY(!QFile::exists(iniPath()));
    closeWindow();
    const QList<QByteArray> lines = ReadTestFile(iniPath()).split('\n');
    QStringList keys;
    for (const QByteArray& line : lines) {
        QVERIFY(line.isEmpty() || line.endsWith('\r'));
        if (!line.trimmed().isEmpty())
            keys << QString::fromLatin1(line.trimmed().split('=').first());
    }
    QCOMPARE(keys, QStringList({"[Common]", "CreationTime", "Left", "Top", "BMPRes", "[Timings]",
                                "Timeout", "RxDelay", "NAKDelay", "[ComPort]", "Port"}));
    const QString stamp = QString::fromLatin1(lines[1].trimmed().mid(13));
    QVERIFY2(Stamp.match(stamp).hasMatch(), qPrintable(stamp));
}

void TestSettings::secondStartComesBackWhereTheFirstClosed()
{
    {
        MainWindow& window = start();
        fixture_.action("pictureSize512Action").trigger();
        window.setTimings({25, 40, 60});
        choosePort("COM12");
        window.move(123, 77);
        closeWindow();
    }
    MainWindow& window = fixture_.restart();
    QVERIFY(!window.isFirstRun());
    QCOMPARE(window.pos(), QPoint(123, 77));
    QCOMPARE(bmpRes(), 3);
    QCOMPARE(window.clientSize(), QSize(610, 293));
    QCOMPARE(timings(), QList<int>({25, 40, 60}));
    QCOMPARE(window.portNumber(), 12);
    QCOMPARE(fixture_.statusText("lineSettingsPanel"), QStringLiteral("COM12:38400,8,N,1"));
}

void TestSettings::fileWithOnlyPort()
{
    WriteTestFile(iniPath(), "[ComPort]\r\nPort=5\r\n");
    MainWindow& window = start();
    QVERIFY(!window.isFirstRun());
    QCOMPARE(window.portNumber(), 5);
    QCOMPARE(window.pos(), QPoint(314, 556));
    QCOMPARE(bmpRes(), 2);
    const QByteArray atStart = ReadTestFile(iniPath());
    QVERIFY(atStart.contains("CreationTime="));
    const QByteArray stamp = atStart.mid(atStart.indexOf("CreationTime=") + 13, 19);
    QTest::qWait(1100); // a rewritten stamp would differ
    closeWindow();
    const QByteArray atClose = ReadTestFile(iniPath());
    QVERIFY(atClose.contains("CreationTime=" + stamp));
    for (const char* key :
         {"Left=", "Top=", "BMPRes=2", "Timeout=10", "RxDelay=30", "NAKDelay=30", "Port=5"})
        QVERIFY2(atClose.contains(key), key);
}

void TestSettings::emptyFileIsNoFirstRun()
{
    WriteTestFile(iniPath(), "");
    MainWindow& window = start();
    QVERIFY(!window.isFirstRun());
    QVERIFY(ReadTestFile(iniPath()).startsWith("[Common]\r\nCreationTime="));
    QCOMPARE(window.portNumber(), 1);
}

// Ports mapped by hand before the first start: the start is still a first one.
void TestSettings::portsMapAloneIsFirstRun()
{
    const QByteArray ports = "[Ports]\r\nCOM9=/dev/ttyUSB0\r\n";
    WriteTestFile(iniPath(), ports);
    QVERIFY(start().isFirstRun());
    QCOMPARE(ReadTestFile(iniPath()), ports); // no stamp at start
    closeWindow();
    const QByteArray atClose = ReadTestFile(iniPath());
    QVERIFY(atClose.startsWith(ports + "\r\n[Common]\r\nCreationTime="));
    QVERIFY(atClose.contains("Port=1"));
}

void TestSettings::emptyStampIgnoresStoredValues()
{
    WriteTestFile(iniPath(), "[Common]\r\nCreationTime=\r\nLeft=5\r\nTop=6\r\nBMPRes=1\r\n"
                             "[Timings]\r\nTimeout=20\r\n[ComPort]\r\nPort=3\r\n");
    MainWindow& window = start();
    QCOMPARE(window.pos(), QPoint(314, 556));
    QCOMPARE(bmpRes(), 2);
    QCOMPARE(timings().first(), 10);
    QCOMPARE(window.portNumber(), 3); // the port is read whatever the stamp held
    // Start-up still ends with a real layout.
    QCOMPARE(window.clientSize(), QSize(354, 165));
}

void TestSettings::storedValuesAreTaken_data()
{
    SettingsRows::add();
}

void TestSettings::storedValuesAreTaken()
{
    using namespace SettingsRows;
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, stored);
    if (!file.isNull())
        WriteTestFile(iniPath(), file);
    MainWindow& window = start();
    QCOMPARE(window.isFirstRun(), stored[FirstRun] == 1);
    if (!window.isFirstRun()) // else centred
        QCOMPARE(window.pos(), QPoint(orOwn(stored, Left, 314), orOwn(stored, Top, 556)));
    // A stored size without a menu item leaves the one of a first start.
    const int size = PictureSizes::withBmpRes(stored[BmpRes]) ? stored[BmpRes] : 2;
    QCOMPARE(QList<int>({bmpRes()}) + timings() + QList<int>({window.portNumber()}),
             QList<int>({size, orOwn(stored, Timeout, 10), orOwn(stored, RxDelay, 30),
                         orOwn(stored, NakDelay, 30), orOwn(stored, Port, 1)}));
    QCOMPARE(
        fixture_.statusText("lineSettingsPanel"),
        QStringLiteral("COM%1:38400,8,N,1").arg(static_cast<std::uint32_t>(window.portNumber())));
}

void TestSettings::unknownContentSurvivesByteForByte_data()
{
    QTest::addColumn<QByteArray>("head");
    const QByteArray common = "[Common]\r\nCreationTime=2026-01-02 03:04:05\r\nLeft=100\r\n"
                              "Top=200\r\nBMPRes=1\r\nTheme=dark\r\n\r\n";
    QTest::newRow("comment first") << "; written by hand\r\n" + common;
    // Windows Notepad's UTF-8: the first section is still the one read and written.
    QTest::newRow("byte-order mark first") << "\xef\xbb\xbf" + common;
}

void TestSettings::unknownContentSurvivesByteForByte()
{
    QFETCH(QByteArray, head);
    const QByteArray original = head + "[Extra]\r\nanswer = 42\r\n\r\n[Timings]\r\n"
                                       "Timeout=25\r\nRxDelay=40\r\nNAKDelay=60\r\n"
                                       "[ComPort]\r\nPort=3\r\n";
    WriteTestFile(iniPath(), original);
    MainWindow& window = start();
    QCOMPARE(window.pos(), QPoint(100, 200));
    QCOMPARE(bmpRes(), 1);
    QCOMPARE(timings(), QList<int>({25, 40, 60}));
    setTimeout(12);
    closeWindow();
    QByteArray expected = original;
    expected.replace("Timeout=25", "Timeout=12");
    QCOMPARE(ReadTestFile(iniPath()), expected);
}

void TestSettings::failedWriteAtCloseIsReportedOnce()
{
    // A folder where the file should be: no write can succeed, whoever runs the test.
    QVERIFY(QDir(fixture_.dir().path()).mkdir("Orvisnap.ini"));
    const MainWindow& window = start();
    closeWindow();
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    QVERIFY(fixture_.prompts().messages[0].detail.contains(iniPath()));
    QVERIFY(!window.isVisible());
}

// The settings go in one write: a folder that cannot be stored must not cost the others.
void TestSettings::refusedFolderKeepsTheOtherSettings()
{
    MainWindow& window = start();
    setTimeout(17);
    window.findChild<AutoSave*>()->setFolder(fixture_.path(QStringLiteral("line\nbreak")));
    closeWindow();
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    QVERIFY(fixture_.prompts().messages[0].detail.contains(iniPath()));
    const QByteArray file = ReadTestFile(iniPath());
    QVERIFY(file.contains("\r\nTimeout=17\r\n"));
    QVERIFY(!file.contains("[AutoSave]"));
}

void TestSettings::failedStampAtStartDoesNotCutStartUpShort()
{
    WriteTestFile(iniPath(), "[ComPort]\r\nPort=5\r\n");
    {
        const FileSizeLimit limit(25);
        if (!limit.active())
            QSKIP("Needs a file-size limit");
        QCOMPARE(start().portNumber(), 5);
        QCOMPARE(fixture_.statusText("lineSettingsPanel"), QStringLiteral("COM5:38400,8,N,1"));
        QCOMPARE(bmpRes(), 2);
    }
    QCOMPARE(ReadTestFile(iniPath()), QByteArray("[ComPort]\r\nPort=5\r\n"));
}

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
