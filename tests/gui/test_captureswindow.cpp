#include "capturestore.h"
#include "comparewindow.h"
#include "picturedifference.h"
#include "pictureio.h"
#include "pictureview.h"
#include "scaledimage.h"
#include "testfiles.h"
#include "testpictures.h"
#include "windowsfixture.h"

#ifdef ORVISNAP_DSOSIM
#include "dsosimprocess.h"
#endif

#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

// The captures through the real windows: what a download keeps, the captures window over the
// folder, a picture shown again, notes, deletion, and two pictures compared.
class TestCapturesWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void downloadsAreKeptFoundShownAndCompared();
    void aFolderThatCannotBeWrittenLeavesThePicture();
    void noteEditDeleteAndADamagedFile();
    void loadedPictureAddedOnRequest();
    void compareModes();

private:
    [[nodiscard]] QString folder() const { return fixture_.path("captures"); }
    [[nodiscard]] QMainWindow& capturesWindow()
    {
        fixture_.action("capturesAction").trigger();
        return fixture_.find<QMainWindow>("capturesWindow");
    }
    [[nodiscard]] QListView& list() { return fixture_.find<QListView>("captureList"); }
    [[nodiscard]] QImage shownPicture() { return fixture_.find<ScaledImage>("picture").image(); }
    void select(const QList<int>& rows);
    // Pictures kept as a download would keep them, oldest first.
    void keep(const QList<QImage>& pictures);

    WindowsFixture fixture_;
    QTemporaryDir trash_;
};

void TestCapturesWindow::initTestCase()
{
    // A deleted picture goes to the trash: this run's own, not the user's.
    qputenv("XDG_DATA_HOME", trash_.path().toUtf8());
}

void TestCapturesWindow::cleanup()
{
    fixture_.reset();
}

void TestCapturesWindow::select(const QList<int>& rows)
{
    QListView& view = list();
    view.clearSelection();
    view.setCurrentIndex(view.model()->index(rows.first(), 0));
    for (const int row : rows)
        view.selectionModel()->select(view.model()->index(row, 0), QItemSelectionModel::Select);
}

void TestCapturesWindow::keep(const QList<QImage>& pictures)
{
    const CaptureStore store(folder());
    QDateTime time = QDateTime::currentDateTime().addSecs(-100);
    for (const QImage& picture : pictures) {
        CaptureInfo info;
        info.time = time = time.addSecs(1);
        info.port = "COM1";
        QVERIFY(store.add(picture, info).outcome.ok());
    }
}

void TestCapturesWindow::downloadsAreKeptFoundShownAndCompared()
{
#ifndef ORVISNAP_DSOSIM
    QSKIP("Needs the simulated instrument");
#else
    QDir::setCurrent(fixture_.dir().path()); // the working file goes there
    QVERIFY(DsoSimProcess::makeBmp("small", fixture_.path("sent.bmp")));
    DsoSimProcess sim;
    const QString device =
        sim.start({"--loop", "--file", fixture_.path("sent.bmp"), "--start-delay-ms", "400"});
    QVERIFY2(!device.isEmpty(), sim.errorOutput().constData());
    MainWindow& window = fixture_.start({1}, device);
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(60000, &window, [this] {
            fixture_.button("cancelDownloadButton").click();
        }); // hangs only
        fixture_.button("downloadButton").click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.downloadRunning(), 90000);
        QVERIFY(sim.waitForSummary(10000).has_value());
        QTRY_COMPARE(CaptureStore(folder()).paths().size(), i + 1);
    }
    const QImage received = Rgb32(shownPicture());
    fixture_.find<PictureView>("pictureView").showEmpty();

    QMainWindow& captures = capturesWindow();
    QVERIFY(captures.isVisible());
    QCOMPARE(list().model()->rowCount(), 2);
    for (const Capture& capture : CaptureStore(folder()).list().captures) {
        QCOMPARE(capture.info.port, QStringLiteral("COM1"));
        QCOMPARE(Rgb32(QImage(capture.path)), received);
    }
    select({1}); // the first download, older, below
    fixture_.action("showCaptureAction").trigger();
    QCOMPARE(Rgb32(shownPicture()), received);

    select({0, 1});
    QVERIFY(fixture_.action("compareAction").isEnabled());
    fixture_.action("compareAction").trigger();
    auto& compare = fixture_.find<CompareWindow>("compareWindow");
    QVERIFY(compare.isVisible());
    QCOMPARE(compare.differingPixels(), qsizetype(0)); // the instrument sent the same screen
    fixture_.reset();
#endif
}

void TestCapturesWindow::aFolderThatCannotBeWrittenLeavesThePicture()
{
#ifndef ORVISNAP_DSOSIM
    QSKIP("Needs the simulated instrument");
#else
    QDir::setCurrent(fixture_.dir().path());
    QVERIFY(DsoSimProcess::makeBmp("small", fixture_.path("sent.bmp")));
    WriteTestFile(folder(), "a file where the folder would be");
    DsoSimProcess sim;
    const QString device = sim.start({"--file", fixture_.path("sent.bmp")});
    QVERIFY2(!device.isEmpty(), sim.errorOutput().constData());
    MainWindow& window = fixture_.start({1}, device);
    fixture_.button("downloadButton").click();
    QTRY_VERIFY_WITH_TIMEOUT(!window.downloadRunning(), 90000);
    QTRY_VERIFY(fixture_.statusText("messagePanel").contains("Not kept in the captures"));
    QVERIFY2(fixture_.statusText("messagePanel").startsWith("Received 1 KB. "),
             qPrintable(fixture_.statusText("messagePanel")));
    QCOMPARE(Rgb32(shownPicture()), Rgb32(QImage("TMP.BMP")));
    QVERIFY(fixture_.prompts().messages.isEmpty()); // no box in the middle of a series
    QCOMPARE(ReadTestFile(folder()), QByteArray("a file where the folder would be"));
    fixture_.reset();
#endif
}

void TestCapturesWindow::noteEditDeleteAndADamagedFile()
{
    keep({Checkerboard({8, 6}), Checkerboard({10, 6}), Checkerboard({12, 6})});
    WriteTestFile(folder() + "/DSO_2000-01-01_00-00-00.png", "not a picture");
    fixture_.start();
    QMainWindow& captures = capturesWindow();
    QCOMPARE(list().model()->rowCount(), 3);
    QVERIFY(fixture_.find<QLabel>("captureCount").text().contains("DSO_2000-01-01_00-00-00.png"));

    // The note: typed, confirmed with Enter, kept in the file.
    select({0});
    const QString newest = CaptureStore(folder()).paths().first();
    fixture_.action("editNoteAction").trigger();
    auto& note = fixture_.find<QLineEdit>("noteEdit");
    QTest::keyClicks(&note, "CH1 after the fix");
    QTest::keyClick(&note, Qt::Key_Return);
    QCOMPARE(CaptureStore::readInfo(newest)->note, QStringLiteral("CH1 after the fix"));
    QCOMPARE(Rgb32(QImage(newest)), Checkerboard({12, 6}));

    // A note typed without Enter goes with its own picture when another is chosen.
    select({1});
    const QString middle = CaptureStore(folder()).paths().at(1);
    note.setText("typed, then clicked away");
    select({2});
    QCOMPARE(CaptureStore::readInfo(middle)->note, QStringLiteral("typed, then clicked away"));
    QCOMPARE(CaptureStore::readInfo(newest)->note, QStringLiteral("CH1 after the fix"));

    // Delete on the list removes the picture from the folder and the list.
    captures.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&captures));
    list().setFocus();
    select({0});
    QTest::keyClick(&list(), Qt::Key_Delete);
    QCOMPARE(list().model()->rowCount(), 2);
    QVERIFY(!QFile::exists(newest));
    QCOMPARE(CaptureStore(folder()).list().captures.size(), 2);
    captures.close();
}

void TestCapturesWindow::loadedPictureAddedOnRequest()
{
    const QImage loaded = Checkerboard({7, 5});
    QVERIFY(PictureIo::save(loaded, fixture_.path("loaded.png"), "PNG").ok());
    fixture_.start();
    fixture_.prompts().answerNext(fixture_.path("loaded.png"));
    fixture_.action("loadBitmapAction").trigger();
    fixture_.action("addToCapturesAction").trigger();
    const QList<Capture> kept = CaptureStore(folder()).list().captures;
    QCOMPARE(kept.size(), 1);
    QCOMPARE(Rgb32(QImage(kept.first().path)), loaded);
    QVERIFY(kept.first().info.port.isEmpty()); // no port: it came from a file
    QVERIFY(fixture_.statusText("messagePanel").contains("Added to the captures as DSO_"));
}

void TestCapturesWindow::compareModes()
{
    QImage changed = Checkerboard({20, 10});
    changed.setPixel(3, 4, qRgb(1, 2, 3));
    keep({Checkerboard({20, 10}), changed});
    fixture_.start();
    (void)capturesWindow();
    select({0, 1});
    fixture_.action("compareAction").trigger();
    auto& compare = fixture_.find<CompareWindow>("compareWindow");
    QCOMPARE(compare.differingPixels(), qsizetype(1));
    QCOMPARE(fixture_.find<QLabel>("differenceCount").text(),
             QStringLiteral("Pixels that differ: 1"));

    fixture_.action("differenceAction").trigger();
    QCOMPARE(compare.mode(), CompareWindow::Mode::Difference);
    QCOMPARE(fixture_.find<ScaledImage>("differencePicture").image().pixelColor(3, 4),
             PictureDifference::Marked);

    // Blink shows the two in turn; Space pauses and goes on.
    fixture_.action("blinkAction").trigger();
    QVERIFY(compare.blinking());
    auto& blink = fixture_.find<ScaledImage>("blinkPicture");
    const QImage first = blink.image();
    QTRY_VERIFY(blink.image() != first);
    QTest::keyClick(&compare, Qt::Key_Space);
    QVERIFY(!compare.blinking());
    QTest::keyClick(&compare, Qt::Key_Space);
    QVERIFY(compare.blinking());
    // Also with the rate's field holding the focus.
    auto& rate = fixture_.find<QSpinBox>("blinkRate");
    rate.setFocus();
    QTest::keyClick(&rate, Qt::Key_Space);
    QVERIFY(!compare.blinking());
    QCOMPARE(rate.value(), 2);
    QTest::keyClick(&rate, Qt::Key_Space);
    QVERIFY(compare.blinking());
    fixture_.action("sideBySideAction").trigger();
    QVERIFY(!compare.blinking());
    QCOMPARE(Rgb32(fixture_.find<ScaledImage>("firstPicture").image()), Checkerboard({20, 10}));
    QCOMPARE(Rgb32(fixture_.find<ScaledImage>("secondPicture").image()), Rgb32(changed));
}

QTEST_MAIN(TestCapturesWindow)
#include "test_captureswindow.moc"
