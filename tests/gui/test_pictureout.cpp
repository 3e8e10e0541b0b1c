#include "autosave.h"
#include "logview.h"
#include "picturedragdrop.h"
#include "pictureio.h"
#include "picturesizes.h"
#include "pictureview.h"
#include "scaledimage.h"
#include "testfiles.h"
#include "testpictures.h"
#include "windowsfixture.h"

#ifdef ORVISNAP_DSOSIM
#include "dsosimprocess.h"
#endif

#include <QClipboard>
#include <QDateTime>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

// Pictures out of the window and into it: context menu, clipboard, PNG, drag and drop, saving
// each download, and how the panel draws them.
class TestPictureOut : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture_.start(); }
    void cleanup() { fixture_.reset(); }
    void contextMenu();
    void copies_data();
    void copies();
    void saveAsPng();
    void dragAndDrop();
    void wholeMultiplesAreDrawnCrisp_data();
    void wholeMultiplesAreDrawnCrisp();
    void autoSaveNameTaken_data();
    void autoSaveNameTaken();
    void autoSaveFailureShowsInPanelAndLog();
    void autoSaveSettingsSurviveARestart();
    void everyDownloadIsSaved();

private:
    [[nodiscard]] MainWindow& form() { return fixture_.window(); }
    [[nodiscard]] QMenu& menu() { return fixture_.find<QMenu>("pictureContextMenu"); }
    [[nodiscard]] AutoSave& autoSave() { return *form().findChild<AutoSave*>(); }
    [[nodiscard]] PictureView& view() { return fixture_.find<PictureView>("pictureView"); }
    [[nodiscard]] ScaledImage& picture() { return fixture_.find<ScaledImage>("picture"); }
    [[nodiscard]] QPlainTextEdit& log() { return fixture_.find<QPlainTextEdit>("log"); }
    [[nodiscard]] QString path(const QString& name) const { return fixture_.path(name); }

    WindowsFixture fixture_;
};

void TestPictureOut::contextMenu()
{
    QStringList items;
    for (const QAction* action : menu().actions())
        items << action->text() + ' ' + action->shortcut().toString();
    QCOMPARE(items, QStringList({"Copy picture Ctrl+C", "Copy printable picture Ctrl+Shift+C",
                                 "Save as PNG... Ctrl+Shift+S", " ", "Captures... Ctrl+K",
                                 "Add to captures ", " ", "Save each picture to a folder... ",
                                 "Stop saving each picture "}));
    QVERIFY(!fixture_.action("stopSavingEachPictureAction").isVisible()); // only while saving
    fixture_.prompts().answerNext(fixture_.dir().path());
    fixture_.action("saveEachPictureAction").trigger();
    QVERIFY(fixture_.action("stopSavingEachPictureAction").isVisible());
}

void TestPictureOut::copies_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QList<QRgb>>("colours"); // ground and trace on the clipboard
    QTest::newRow("copy") << QKeySequence("Ctrl+C")
                          << QList<QRgb>{qRgb(0, 0, 0), qRgb(240, 255, 0)};
    QTest::newRow("printable") << QKeySequence("Ctrl+Shift+C")
                               << QList<QRgb>{qRgb(255, 255, 255), qRgb(15, 0, 255)};
}

void TestPictureOut::copies()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QList<QRgb>, colours);
    // A dark screen with a trace in the patched yellow, at another size than the panel's.
    QImage shown(40, 30, QImage::Format_Indexed8);
    shown.setColorTable({qRgb(0, 0, 0), qRgb(240, 255, 0)});
    shown.fill(0);
    for (int x = 0; x < 40; ++x)
        shown.setPixel(x, 15, 1);
    view().showPicture(shown, "a dark screen");
    shown.setColorTable(colours);
    fixture_.action("loggingAction").trigger(); // the log can have the focus
    form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form()));
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (QWidget* focus :
         std::initializer_list<QWidget*>{&fixture_.button("downloadButton"), &log()}) {
        clipboard->clear();
        focus->setFocus();
        QTest::keySequence(focus, keys);
        QCOMPARE(Rgb32(clipboard->image()), Rgb32(shown));
    }
    // Text selected in the log is copied as text.
    fixture_.find<LogView>("logView").appendLines({"Tx: ACK"});
    log().selectAll();
    QTest::keySequence(&log(), QKeySequence::Copy);
    QCOMPARE(clipboard->text(), QStringLiteral("Tx: ACK"));
}

void TestPictureOut::saveAsPng()
{
    view().showPicture(Checkerboard({37, 19}), "a checkerboard");
    fixture_.prompts().answerNext(path("shot"));
    fixture_.action("saveAsPngAction").trigger();
    const FileDialogState asked = fixture_.prompts().saved.value(0);
    QCOMPARE(asked.filter, QStringLiteral("PNG files (*.png)|*.png"));
    QVERIFY(asked.fileName.startsWith("DSO_") && asked.fileName.endsWith(".png"));
    const QByteArray written = ReadTestFile(path("shot.png"));
    QCOMPARE(Rgb32(QImage::fromData(written, "PNG")), Checkerboard({37, 19}));
}

void TestPictureOut::dragAndDrop()
{
    // Out: the image, and a PNG file.
    const std::unique_ptr<QMimeData> out =
        form().findChild<PictureDragDrop*>()->mimeDataFor(Checkerboard({16, 8}));
    QCOMPARE(Rgb32(qvariant_cast<QImage>(out->imageData())), Checkerboard({16, 8}));
    const QString file = out->urls().value(0).toLocalFile();
    QCOMPARE(Rgb32(QImage(file, "PNG")), Checkerboard({16, 8}));
    // In: a BMP is shown, something else is refused as by "Load bitmap".
    WriteTestFile(path("shot.bmp"), PictureIo::encodeBmp(Checkerboard({8, 4})));
    WriteTestFile(path("notes.bmp"), "no picture");
    for (const QString& name : {path("shot.bmp"), path("notes.bmp")}) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(name)});
        const QPoint at = form().centralWidget()->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form(), &enter); // makes the window the drop's target
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction); // a move would delete the source's file
        QCoreApplication::processEvents();           // shown once the drop is done
    }
    QCOMPARE(Rgb32(picture().image()), Checkerboard({8, 4}));
    QCOMPARE(fixture_.prompts().messages.size(), 1);
    QCOMPARE(fixture_.prompts().messages[0].text, "The picture could not be loaded.");
}

void TestPictureOut::wholeMultiplesAreDrawnCrisp_data()
{
    QTest::addColumn<int>("bmpRes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("crisp");
    QTest::newRow("four times") << 3 << QSize(128, 64) << true;
    QTest::newRow("1.28 times") << 2 << QSize(100, 100) << false;
    QTest::newRow("reduced") << 1 << QSize(512, 256) << false;
}

void TestPictureOut::wholeMultiplesAreDrawnCrisp()
{
    QFETCH(int, bmpRes);
    QFETCH(QSize, size);
    QFETCH(bool, crisp);
    fixture_.action(QLatin1String(PictureSizes::withBmpRes(bmpRes)->actionName)).trigger();
    view().showPicture(Checkerboard(size), "a checkerboard");
    QCOMPARE(picture().drawnCrisp(), crisp);
    // Crisp: the picture's own colours only.
    const QImage grab = Rgb32(picture().grab().toImage());
    QCOMPARE(grab.pixel(picture().drawnRect().center()) == qRgb(255, 0, 0) ||
                 grab.pixel(picture().drawnRect().center()) == qRgb(0, 0, 255),
             crisp);
}

void TestPictureOut::autoSaveNameTaken_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("PNG") << "png";
    QTest::newRow("received file") << "bmp";
}

void TestPictureOut::autoSaveNameTaken()
{
    QFETCH(QString, format);
    // Whichever second the picture arrives in, its name is taken (ten of them: a slow machine).
    // One start: a slow write must not leave a second out.
    QStringList taken;
    const QDateTime start = QDateTime::currentDateTime();
    for (int s = 0; s < 10; ++s) {
        taken << start.addSecs(s).toString("'DSO_'yyyy-MM-dd_HH-mm-ss.") + format;
        WriteTestFile(path(taken.last()), "keep");
    }
    autoSave().setFolder(fixture_.dir().path());
    autoSave().setFormat(format);
    const QByteArray received = PictureIo::encodeBmp(Checkerboard({9, 5})) + "\x1A\x1A";
    autoSave().pictureArrived(received, Checkerboard({9, 5}));
    const QString name = fixture_.statusText("messagePanel").mid(6); // after "Saved "
    QVERIFY2(taken.contains(QString(name).replace("_2.", ".")), qPrintable(name));
    const QByteArray written = ReadTestFile(path(name));
    if (format == "bmp")
        QCOMPARE(written, received); // the received file itself
    else
        QCOMPARE(Rgb32(QImage::fromData(written, "PNG")), Checkerboard({9, 5}));
}

void TestPictureOut::autoSaveFailureShowsInPanelAndLog()
{
    WriteTestFile(path("plain"), "x");
    for (const QString& folder : {path("gone"), path("plain/shots")}) {
        log().clear();
        autoSave().setFolder(folder);
        autoSave().pictureArrived(PictureIo::encodeBmp(Checkerboard({9, 5})), Checkerboard({9, 5}));
        // After what was told of the picture before, as in one download.
        const QString panel = fixture_.statusText("messagePanel");
        const QString told = panel.mid(panel.lastIndexOf("Not saved: "));
        QVERIFY2(panel.startsWith("Not saved: ") && told.contains(folder), qPrintable(panel));
        QCOMPARE(log().toPlainText(),
                 fixture_.action("loggingAction").isChecked() ? told : QString());
        fixture_.action("loggingAction").trigger(); // the second one with the log on
    }
    QVERIFY(fixture_.prompts().messages.isEmpty()); // no box in the middle of a series
    QVERIFY(autoSave().isOn());
}

void TestPictureOut::autoSaveSettingsSurviveARestart()
{
    const QString folder = path(QString::fromUtf8("Bilder \xc3\xa4"));
    fixture_.prompts().answerNext(folder);
    fixture_.action("saveEachPictureAction").trigger();
    autoSave().setFormat("BMP");
    form().close();
    QVERIFY(ReadTestFile(path("Orvisnap.ini"))
                .endsWith("[AutoSave]\r\nFolder=" + folder.toUtf8() + "\r\nFormat=bmp\r\n"));
    fixture_.restart();
    QCOMPARE(autoSave().folder(), folder);
    QCOMPARE(autoSave().format(), QStringLiteral("bmp"));
    fixture_.action("stopSavingEachPictureAction").trigger();
    form().close();
    fixture_.restart();
    QVERIFY(!autoSave().isOn());
}

void TestPictureOut::everyDownloadIsSaved()
{
#ifndef ORVISNAP_DSOSIM
    QSKIP("Needs the simulated instrument");
#else
    QDir::setCurrent(fixture_.dir().path()); // the working file goes there
    QVERIFY(DsoSimProcess::makeBmp("small", path("sent.bmp")));
    DsoSimProcess sim;
    const QString device =
        sim.start({"--loop", "--file", path("sent.bmp"), "--start-delay-ms", "400"});
    QVERIFY2(!device.isEmpty(), sim.errorOutput().constData());
    fixture_.start({1}, device);
    QVERIFY(QDir(fixture_.dir().path()).mkdir("shots"));
    autoSave().setFolder(path("shots"));
    QString panelWhileWaiting = "unset";
    for (int i = 0; i < 2; ++i) {
        QTimer::singleShot(60000, &form(), [this] {
            fixture_.button("cancelDownloadButton").click();
        }); // hangs only
        QTimer::singleShot(200, &form(),
                           [&] { panelWhileWaiting = fixture_.statusText("messagePanel"); });
        fixture_.button("downloadButton").click();
        QTRY_VERIFY_WITH_TIMEOUT(!form().downloadRunning(), 90000);
        QVERIFY(sim.waitForSummary(10000).has_value());
    }
    QCOMPARE(panelWhileWaiting, QString()); // the second download cleared the first one's name
    const QStringList files = QDir(path("shots")).entryList(QDir::Files);
    QCOMPARE(files.size(), 2);
    for (const QString& name : files)
        QCOMPARE(Rgb32(QImage(path("shots/" + name))), Rgb32(picture().image()));
    fixture_.reset();
#endif
}

QTEST_MAIN(TestPictureOut)
#include "test_pictureout.moc"
