#include "bmpheader.h"
#include "dsosimprocess.h"
#include "filehelpers.h"
#include "filesizelimit.h"
#include "goldenlogs.h"
#include "scaledimage.h"
#include "scriptedinstrument.h"
#include "testfiles.h"
#include "testpictures.h"
#include "timingsdialog.h"
#include "windowsfixture.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <memory>

namespace {
const QString Thin(47, '-');
const QString Thick(47, '=');

QByteArray paddedAndPatched(QByteArray data)
{
    while (data.size() % 128 != 0)
        data += '\x1A';
    PatchBMPBytes(data, 240, 255, 0);
    return data;
}

} // namespace

// Each case: the real main window, the simulated instrument on a real pty, one download.
class TestWindowDownload : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cleanDownloadShowsPatchedPicture_data();
    void cleanDownloadShowsPatchedPicture();
    void logsAreExact_data();
    void logsAreExact();
    void startTimeoutRestoresPicture_data();
    void startTimeoutRestoresPicture();
    void cancelDuringWaitRestoresPicture();
    void lostLineEndsDownload();
    void closeDuringTheReopeningWaitAfterALostLine();
    void eotBeforeDataIsForgotten();
    void dataThatIsNoPictureIsReported_data();
    void dataThatIsNoPictureIsReported();
    void cancelledTransferThenANewOne();
    void transferCancelledWithThePictureKept_data();
    void transferCancelledWithThePictureKept();
    void portThatCannotBeOpened();
    void closingWindowEndsDownload_data();
    void closingWindowEndsDownload();
    void timingsChangedDuringDownloadTakeEffect();

private:
    // Starts the instrument and the windows; returns false when the simulator is missing.
    void startAll(const QStringList& simArgs);
    void download();
    // Idle again, the status bar telling how the download ended.
    void verifyIdle(const QString& ending);
    // Idle again, with the picture of before the download shown, and TMP.BMP holding it.
    void verifyPictureBack(const QImage& before, const QString& ending);
    [[nodiscard]] MainWindow& form() { return fixture_.window(); }
    [[nodiscard]] QString logText() { return fixture_.find<QPlainTextEdit>("log").toPlainText(); }
    [[nodiscard]] QStringList logLines() { return logText().split('\n'); }
    [[nodiscard]] QImage shownPicture() { return fixture_.find<ScaledImage>("picture").image(); }
    [[nodiscard]] QPushButton& downloadButton() { return fixture_.button("downloadButton"); }
    [[nodiscard]] QPushButton& cancelButton() { return fixture_.button("cancelDownloadButton"); }
    void setTimeout(int seconds)
    {
        DownloadTimings timings = form().timings();
        timings.timeoutSeconds = seconds;
        form().setTimings(timings);
    }

    WindowsFixture fixture_;
    QString sentFile_;
    std::unique_ptr<DsoSimProcess> sim_;
};

void TestWindowDownload::init()
{
    // The working file goes to the current folder.
    QDir::setCurrent(fixture_.dir().path());
    sentFile_ = fixture_.path("sent.bmp");
    QVERIFY(DsoSimProcess::makeBmp("small", sentFile_));
}

void TestWindowDownload::cleanup()
{
    fixture_.reset();
    sim_.reset();
}

void TestWindowDownload::startAll(const QStringList& simArgs)
{
    sim_ = std::make_unique<DsoSimProcess>();
    const QString path = sim_->start(QStringList{"--file", sentFile_} + simArgs);
    QVERIFY2(!path.isEmpty(), sim_->errorOutput().constData());
    fixture_.start({1}, path);
}

void TestWindowDownload::download()
{
    MainWindow& form = this->form();
    // A generous bound against hangs only: a stuck download is cancelled.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &form, [this] { cancelButton().click(); });
    watchdog.start(60000);
    downloadButton().click();
    QTRY_VERIFY_WITH_TIMEOUT(!form.downloadRunning(), 90000);
    QVERIFY2(watchdog.isActive(), "the download had to be cancelled by the watchdog");
}

void TestWindowDownload::verifyPictureBack(const QImage& before, const QString& ending)
{
    verifyIdle(ending);
    QCOMPARE(Rgb32(shownPicture()), Rgb32(before));
}

void TestWindowDownload::verifyIdle(const QString& ending)
{
    MainWindow& form = this->form();
    QCOMPARE(fixture_.statusText("portStatePanel"), QStringLiteral("closed"));
    QCOMPARE(fixture_.statusText("portStatePanel"), QStringLiteral("closed"));
    QVERIFY(downloadButton().isEnabled());
    QVERIFY(!cancelButton().isEnabled());
    QVERIFY(fixture_.find<QLabel>("counter").text().isEmpty());
    QCOMPARE(fixture_.statusText("messagePanel"), ending); // in place of the progress
    QVERIFY(!form.downloadRunning());
}

void TestWindowDownload::cleanDownloadShowsPatchedPicture_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("logged");
    QTest::newRow("clean") << QStringList{} << QString();
    QTest::newRow("CRC error") << QStringList{"--corrupt-crc", "2"} << "RxCRC:";
    QTest::newRow("noise") << QStringList{"--noise-before", "3"} << "Tx: NAK";
    QTest::newRow("stall") << QStringList{"--stall", "2:400"} << "Tx: NAK";
    QTest::newRow("lost ACK") << QStringList{"--lost-ack", "2"} << "Repeated block 2";
    QTest::newRow("late start") << QStringList{"--start-delay-ms", "1500"} << QString();
    QTest::newRow("USB bursts") << QStringList{"--burst-ms", "16"} << QString();
}

void TestWindowDownload::cleanDownloadShowsPatchedPicture()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QString, logged);
    startAll(simArgs);
    fixture_.action("loggingAction").trigger();
    QStringList progress;
    QTimer sample;
    connect(&sample, &QTimer::timeout, [&] {
        if (!fixture_.statusText("messagePanel").isEmpty())
            progress << fixture_.statusText("messagePanel");
    });
    sample.start(20);
    download();
    verifyIdle("Received 1 KB");
    // The small sample is 1 KB: "0 / 1 KB" (under half a KB in) up to "1 / 1 KB".
    QVERIFY2(!progress.isEmpty(), "no progress shown");
    for (const QString& text : progress)
        QVERIFY2(text == "0 / 1 KB" || text == "1 / 1 KB" || text == "Received 1 KB",
                 qPrintable(text));
    QByteArray sent;
    QVERIFY(FileToString(sentFile_, sent));
    QByteArray working;
    QVERIFY(FileToString("TMP.BMP", working));
    QCOMPARE(working, paddedAndPatched(sent));
    PatchBMPBytes(sent, 240, 255, 0);
    QCOMPARE(Rgb32(shownPicture()), Rgb32(QImage::fromData(sent, "BMP")));
    QCOMPARE(shownPicture().pixelColor(0, 0).isValid(), true);
    const QStringList lines = logLines();
    QCOMPARE(lines.value(lines.size() - 2), QStringLiteral("XModem transfer complete"));
    QCOMPARE(lines.last(), Thick);
    if (!logged.isEmpty())
        QVERIFY2(logText().contains(logged), qPrintable(logged));
    QVERIFY(fixture_.prompts().messages.isEmpty());
}

// The whole log of short exchanges with an instrument that answers in step, so every run reads
// the same; compared with logs written down from the protocol's rules.
void TestWindowDownload::logsAreExact_data()
{
    GoldenLogs::addRows();
}

void TestWindowDownload::logsAreExact()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(QString, golden);
    ScriptedInstrument instrument(messages);
    QVERIFY(instrument.isValid());
    fixture_.start({1}, instrument.devicePath());
    fixture_.action("loggingAction").trigger();
    setTimeout(1);
    if (golden == "cancel")
        QTimer::singleShot(500, &cancelButton(), &QPushButton::click);
    download();
    QCOMPARE(logText() + '\n', GoldenLogs::read(golden));
}

void TestWindowDownload::startTimeoutRestoresPicture_data()
{
    QTest::addColumn<bool>("logging");
    QTest::newRow("logging") << true;
    QTest::newRow("no logging") << false;
}

void TestWindowDownload::startTimeoutRestoresPicture()
{
    QFETCH(bool, logging);
    startAll({"--start-delay-ms", "20000"});
    if (logging)
        fixture_.action("loggingAction").trigger();
    setTimeout(1);
    const QImage before = shownPicture();
    QStringList counts;
    QTimer sample;
    connect(&sample, &QTimer::timeout, [&] {
        if (counts.isEmpty() || counts.last() != fixture_.find<QLabel>("counter").text())
            counts << fixture_.find<QLabel>("counter").text();
    });
    sample.start(50);
    download();
    // Also with the log off the status bar tells that this is not a new picture.
    verifyPictureBack(before, "No transfer within 2 s");
    QVERIFY2(counts.contains("1") && counts.contains("0"), qPrintable(counts.join(',')));
    if (logging) {
        const QStringList lines = logLines();
        QCOMPARE(lines.mid(lines.size() - 2), QStringList({"Timeout.", Thick}));
    }
}

void TestWindowDownload::cancelDuringWaitRestoresPicture()
{
    startAll({"--start-delay-ms", "20000"});
    fixture_.action("loggingAction").trigger();
    const QImage before = shownPicture();
    QTimer::singleShot(600, &cancelButton(), [this] {
        QVERIFY(cancelButton().isEnabled());
        QCOMPARE(Rgb32(shownPicture()).size(), QSize(256, 128)); // the placeholder
        cancelButton().click();
    });
    download();
    verifyPictureBack(before, "Cancelled");
    const QStringList lines = logLines();
    // Nothing to cancel with the instrument yet: it is still waiting for a request.
    QCOMPARE(lines.mid(lines.size() - 2), QStringList({"Cancelled.", Thick}));
}

void TestWindowDownload::lostLineEndsDownload()
{
    startAll({"--close-after", "3"});
    const QImage before = shownPicture();
    download();
    verifyPictureBack(before, "Line lost");
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    QCOMPARE(fixture_.prompts().messages[0].text,
             QStringLiteral("The connection to COM1 was lost."));
}

// The closing window asks a download that has not opened its port yet for nothing: the port of
// the download before is gone.
void TestWindowDownload::closeDuringTheReopeningWaitAfterALostLine()
{
    startAll({"--close-after", "3"});
    MainWindow& form = this->form();
    download();
    verifyIdle("Line lost");
    downloadButton().click();
    QVERIFY(form.downloadRunning()); // waiting to open the port again
    form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(!form.downloadRunning());
    QCOMPARE(fixture_.statusText("portStatePanel"), QStringLiteral("closed"));
    QVERIFY(ReadTestFile(fixture_.path("Orvisnap.ini")).contains("[ComPort]\r\nPort=1\r\n"));
}

// An EOT before any block is the end of an earlier transfer, repeated because it is never
// answered: forgotten, and the wait for the first block goes on.
void TestWindowDownload::eotBeforeDataIsForgotten()
{
    startAll({"--eot-first", "--eot-repeats", "0", "--loop"});
    fixture_.action("loggingAction").trigger();
    setTimeout(1);
    const QImage before = shownPicture();
    download();
    verifyPictureBack(before, "No transfer within 2 s");
    QVERIFY(logText().contains("EOT before any block: an earlier transfer's end, still waiting"));
    QVERIFY(fixture_.prompts().messages.isEmpty());
    QByteArray working;
    QVERIFY(FileToString("TMP.BMP", working));
    QCOMPARE(Rgb32(QImage::fromData(working, "BMP")), Rgb32(before));
}

void TestWindowDownload::dataThatIsNoPictureIsReported_data()
{
    QTest::addColumn<int>("change");    // bytes added to the picture or cut from it; 0: junk
    QTest::addColumn<bool>("writable"); // whether TMP.BMP can be written
    QTest::newRow("junk") << 0 << true;
    QTest::newRow("more than its header makes") << 200 << true;
    QTest::newRow("less than its header makes") << -200 << true;
    QTest::newRow("junk, and a disk too full for TMP.BMP") << 0 << false;
}

void TestWindowDownload::dataThatIsNoPictureIsReported()
{
    QFETCH(int, change);
    QFETCH(bool, writable);
    QByteArray sent(700, 'j');
    if (change != 0) {
        QVERIFY(FileToString(sentFile_, sent));
        sent = change > 0 ? sent + QByteArray(change, 'x') : sent.left(sent.size() + change);
    }
    QVERIFY(StringToFile(sent, sentFile_));
    startAll({});
    const QImage before = shownPicture();
    {
        const FileSizeLimit full(writable ? 1 << 30 : 300);
        download();
    }
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    const ScriptedPrompts::Message& told = fixture_.prompts().messages[0];
    if (!writable) {
        // Never "kept in TMP.BMP" when it is not: the write's failure is what the user reads.
        verifyPictureBack(before, "Working file not written");
        QCOMPARE(told.text, QStringLiteral("The working file could not be written."));
        QVERIFY2(told.detail.contains("TMP.BMP") && !told.detail.contains("kept"),
                 qPrintable(told.detail));
        return;
    }
    verifyPictureBack(before, "Received, but not a picture");
    QCOMPARE(told.text, QStringLiteral("The received file is not a valid BMP picture."));
    QCOMPARE(told.detail.startsWith("Its header states"), change != 0);
    QByteArray working;
    QVERIFY(FileToString("TMP.BMP", working));
    QCOMPARE(working, sent + QByteArray((128 - sent.size() % 128) % 128, '\x1A'));
}

// The instrument is told to stop, so the next request starts a new transfer instead of getting
// the rest of this one.
void TestWindowDownload::cancelledTransferThenANewOne()
{
    startAll({"--loop", "--reply-delay-ms", "100"});
    MainWindow& form = this->form();
    fixture_.action("loggingAction").trigger();
    const QImage before = shownPicture();
    QTimer cancelOnce;
    connect(&cancelOnce, &QTimer::timeout, &form, [&] {
        if (logText().count("Tx: ACK") < 3)
            return;
        cancelOnce.stop();
        cancelButton().click();
    });
    cancelOnce.start(10);
    download();
    verifyPictureBack(before, "Cancelled");
    const QStringList lines = logLines();
    QCOMPARE(lines.mid(lines.size() - 3), QStringList({"Cancelled.", "Tx: CAN CAN CAN", Thick}));

    download();
    verifyIdle("Received 1 KB");
    QByteArray sent;
    QVERIFY(FileToString(sentFile_, sent));
    QByteArray working;
    QVERIFY(FileToString("TMP.BMP", working));
    QCOMPARE(working, paddedAndPatched(sent));
}

void TestWindowDownload::transferCancelledWithThePictureKept_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("logged");
    QTest::addColumn<bool>("cancelled"); // by us, with CAN
    const QString earlier = "The instrument was still sending an earlier picture. Start the "
                            "transfer on the instrument again.";
    const QString lost = "A block was lost on the line: the picture is incomplete. Start the "
                         "transfer on the instrument again.";
    QTest::newRow("an earlier transfer still running")
        << QStringList{"--first-block", "5"} << earlier << "Earlier transfer cancelled"
        << "Block 5 came first: an earlier transfer is still running" << true;
    // It takes the second start NAK for the answer to block 1, and the NAK of block 3 for the
    // answer to block 4: block 3 never comes again.
    QTest::newRow("one answer behind, one bad block")
        << DsoSimProcess::oneAnswerBehind() + QStringList{"--corrupt-crc", "3"} << lost
        << "Block lost, picture not kept"
        << "Block 4 came instead of block 3" << true;
    QTest::newRow("a block skipped")
        << QStringList{"--skip-block", "4"} << lost << "Block lost, picture not kept"
        << "Block 5 came instead of block 4" << true;
    QTest::newRow("the instrument gives up")
        << QStringList{"--cancel-after", "3", "--loop"} << "The instrument cancelled the transfer."
        << "Cancelled by the instrument"
        << "CAN CAN: the instrument cancelled the transfer" << false;
    QTest::newRow("the instrument falls silent")
        << QStringList{"--silent-after", "3"}
        << "The instrument stopped sending: the picture is incomplete. Start the transfer on the "
           "instrument again."
        << "Instrument stopped sending"
        << "No data for 1 s: the instrument stopped sending" << true;
}

void TestWindowDownload::transferCancelledWithThePictureKept()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QString, message);
    QFETCH(QString, ending);
    QFETCH(QString, logged);
    QFETCH(bool, cancelled);
    startAll(simArgs);
    fixture_.action("loggingAction").trigger();
    setTimeout(1); // a silence as long as the start time-out is asked again
    const QImage before = shownPicture();
    download();
    verifyPictureBack(before, ending);
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    QCOMPARE(fixture_.prompts().messages[0].text, message);
    QStringList lines = logLines();
    QCOMPARE(lines.takeLast(), Thick);
    QCOMPARE(lines.last() == "Tx: CAN CAN CAN", cancelled);
    if (cancelled)
        lines.removeLast();
    QVERIFY2(lines.last().startsWith(logged), qPrintable(lines.join('\n')));
    QByteArray working;
    QVERIFY(FileToString("TMP.BMP", working));
    QCOMPARE(Rgb32(QImage::fromData(working, "BMP")), Rgb32(before));
}

// The stored port is not among the ports there are now (an adapter pulled while the program was
// not running).
void TestWindowDownload::portThatCannotBeOpened()
{
    WriteTestFile(fixture_.path("Orvisnap.ini"), "[ComPort]\r\nPort=5\r\n");
    startAll({});
    QCOMPARE(fixture_.statusText("lineSettingsPanel"), QStringLiteral("COM5:38400,8,N,1"));
    const QImage before = shownPicture();
    download();
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    QCOMPARE(fixture_.prompts().messages[0].text, QStringLiteral("Error while opening COM port."));
    QVERIFY(!fixture_.prompts().messages[0].detail.isEmpty());
    verifyPictureBack(before, "Port not opened");
    QVERIFY(!QFile::exists("TMP.BMP"));
}

void TestWindowDownload::closingWindowEndsDownload_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("underWay");
    QTest::newRow("waiting for the instrument")
        << QStringList{"--start-delay-ms", "20000"} << false;
    QTest::newRow("during the transfer") << QStringList{"--reply-delay-ms", "100"} << true;
}

void TestWindowDownload::closingWindowEndsDownload()
{
    QFETCH(QStringList, simArgs);
    QFETCH(bool, underWay);
    startAll(simArgs);
    MainWindow& form = this->form();
    fixture_.action("loggingAction").trigger();
    QTimer closer;
    connect(&closer, &QTimer::timeout, &form, [&] {
        if (!underWay || logText().count("Tx: ACK") >= 3) {
            closer.stop();
            form.close();
        }
    });
    closer.start(underWay ? 10 : 500);
    QElapsedTimer clock;
    clock.start();
    download();
    // Long before the instrument would have started: the close, not the instrument, ended it.
    QVERIFY(clock.elapsed() < 15000);
    QVERIFY(!form.isVisible());
    QCOMPARE(fixture_.statusText("portStatePanel"), QStringLiteral("closed"));
    QVERIFY(!form.downloadRunning());
    // A transfer under way is cancelled with the instrument before the port closes.
    QCOMPARE(logText().contains("Tx: CAN CAN CAN"), underWay);
}

void TestWindowDownload::timingsChangedDuringDownloadTakeEffect()
{
    startAll({"--start-delay-ms", "60000"});
    MainWindow& form = this->form();
    fixture_.action("loggingAction").trigger();
    setTimeout(30);
    QTimer::singleShot(300, &form, [this, &form] {
        fixture_.action("timingsAction").trigger();
        auto* timings = form.findChild<TimingsDialog*>();
        QVERIFY(timings && timings->isVisible());
        timings->findChild<QSlider*>("timeoutBar")->setValue(5);
        timings->findChild<QSlider*>("rxDelayBar")->setValue(50);
        timings->findChild<QPushButton*>("okButton")->click();
    });
    QElapsedTimer clock;
    clock.start();
    download();
    // The new time-out ends the wait at the first tick after 6 whole seconds, not after 31.
    QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(form.timings().timeoutSeconds, 5);
    QCOMPARE(form.timings().rxDelayMs, 50);
    verifyIdle("No transfer within 6 s");
    QVERIFY(logText().contains("Timeout."));
}

QTEST_MAIN(TestWindowDownload)
#include "test_windowdownload.moc"
