#include "filehelpers.h"
#include "logview.h"
#include "pictureview.h"
#include "scaledimage.h"
#include "testpictures.h"
#include "windowsfixture.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture_.start(); }
    void cleanup() { fixture_.reset(); }
    void saveAfterStartUpWritesStartUpPicture();
    void saveThenLoadGivesSamePixels();
    void saveReplacesExistingFileWithoutQuestion();
    void eachCommandSetsItsOwnFilterAndName();
    void nameWithoutExtensionGetsOne_data();
    void nameWithoutExtensionGetsOne();
    void logFileBytes_data();
    void logFileBytes();
    void clearLog();
    void loadOfNoPictureKeepsPicture();
    void failedSaveChangesNothing();
    void confirmedDialogEntersFolder();
    void cancelledDialogDoesNothing();

private:
    [[nodiscard]] PictureView& view() { return fixture_.find<PictureView>("pictureView"); }
    [[nodiscard]] LogView& log() { return fixture_.find<LogView>("logView"); }
    [[nodiscard]] QImage shown() { return fixture_.find<ScaledImage>("picture").image(); }
    [[nodiscard]] QString logText() { return fixture_.find<QPlainTextEdit>("log").toPlainText(); }
    void saveBitmap() { fixture_.action("saveBitmapAction").trigger(); }
    void loadBitmap() { fixture_.action("loadBitmapAction").trigger(); }
    void saveLog() { fixture_.button("saveLogButton").click(); }
    [[nodiscard]] ScriptedPrompts& prompts() { return fixture_.prompts(); }
    [[nodiscard]] QString path(const QString& name) const { return fixture_.path(name); }

    WindowsFixture fixture_;
};

void TestFiles::saveAfterStartUpWritesStartUpPicture()
{
    prompts().answerNext(path("start.bmp"));
    saveBitmap();
    const QImage saved(path("start.bmp"), "BMP");
    QCOMPARE(Rgb32(saved), Rgb32(QImage(":/pictures/EMPTY")));
    QByteArray bytes;
    QVERIFY(FileToString(path("start.bmp"), bytes));
    QVERIFY(bytes.startsWith("BM"));
    QVERIFY(prompts().messages.isEmpty());
}

void TestFiles::saveThenLoadGivesSamePixels()
{
    QImage picture(37, 19, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 6, y * 12, (x ^ y) * 4));
    view().showPicture(picture, "a test picture");
    prompts().answerNext(path("round.bmp"));
    saveBitmap();
    view().showEmpty();
    prompts().answerNext(path("round.bmp"));
    loadBitmap();
    QCOMPARE(Rgb32(shown()), picture);
}

void TestFiles::saveReplacesExistingFileWithoutQuestion()
{
    QVERIFY(StringToFile(QByteArray(5000, 'x'), path("old.bmp")));
    prompts().answerNext(path("old.bmp"));
    saveBitmap();
    QCOMPARE(Rgb32(QImage(path("old.bmp"), "BMP")), Rgb32(shown()));
    QVERIFY(prompts().messages.isEmpty());
}

void TestFiles::eachCommandSetsItsOwnFilterAndName()
{
    const QRegularExpression bmpName(R"(^DSO_\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.bmp$)");
    const QRegularExpression txtName(R"(^DSO_\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.txt$)");
    saveBitmap(); // cancelled: no answer queued
    saveLog();
    saveBitmap();
    loadBitmap();
    QCOMPARE(prompts().saved.size(), 3);
    QCOMPARE(prompts().saved[0].filter, QStringLiteral("Bitmap files (*.bmp)|*.bmp"));
    QVERIFY(bmpName.match(prompts().saved[0].fileName).hasMatch());
    QCOMPARE(prompts().saved[1].filter,
             QStringLiteral("Text files (*.txt)|*.txt|All files (*.*)|*.*"));
    QVERIFY(txtName.match(prompts().saved[1].fileName).hasMatch());
    QCOMPARE(prompts().saved[2].filter, QStringLiteral("Bitmap files (*.bmp)|*.bmp"));
    QVERIFY(bmpName.match(prompts().saved[2].fileName).hasMatch());
    QCOMPARE(prompts().opened.size(), 1);
    QCOMPARE(prompts().opened[0].filter, QStringLiteral("Bitmap files (*.bmp)|*.bmp"));
    QCOMPARE(prompts().opened[0].defaultExt, QStringLiteral("bmp"));
}

void TestFiles::nameWithoutExtensionGetsOne_data()
{
    QTest::addColumn<bool>("log");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("bitmap") << false << "shot"
                            << "shot.bmp";
    QTest::newRow("log") << true << "capture"
                         << "capture.txt";
    QTest::newRow("log with extension") << true << "capture.log"
                                        << "capture.log";
    QTest::newRow("bitmap with trailing dot") << false << "shot."
                                              << "shot.bmp";
    QTest::newRow("log with trailing dot") << true << "capture."
                                           << "capture.txt";
}

void TestFiles::nameWithoutExtensionGetsOne()
{
    QFETCH(bool, log);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    prompts().answerNext(path(typed));
    if (log)
        saveLog();
    else
        saveBitmap();
    QVERIFY(QFile::exists(path(written)));
    QVERIFY(!QFile::exists(path(typed)) || typed == written);
}

void TestFiles::logFileBytes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty log") << QStringList{} << QByteArray();
    QTest::newRow("three lines") << QStringList{"Rx: 1 byte(s)", "04 ", "EOT"}
                                 << QByteArray("Rx: 1 byte(s)\r\n04 \r\nEOT\r\n");
    QTest::newRow("dump with line breaks")
        << QStringList{"00 01 \r\n02 "} << QByteArray("00 01 \r\n02 \r\n");
}

void TestFiles::logFileBytes()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    for (const QString& line : lines)
        log().appendLines({line});
    prompts().answerNext(path("log.txt"));
    saveLog();
    QByteArray written;
    QVERIFY(FileToString(path("log.txt"), written));
    QCOMPARE(written, bytes);
}

void TestFiles::clearLog()
{
    log().appendLines({"something"});
    fixture_.button("clearLogButton").click();
    QVERIFY(logText().isEmpty());
}

void TestFiles::loadOfNoPictureKeepsPicture()
{
    const QImage before = shown();
    QVERIFY(StringToFile("not a picture at all", path("junk.bmp")));
    prompts().answerNext(path("junk.bmp"));
    loadBitmap();
    prompts().answerNext(path("missing.bmp"));
    loadBitmap();
    QCOMPARE(prompts().messages.size(), 2);
    QVERIFY(prompts().messages[0].detail.contains("junk.bmp"));
    QVERIFY(prompts().messages[1].detail.contains("missing.bmp"));
    QCOMPARE(shown(), before);
}

void TestFiles::failedSaveChangesNothing()
{
    log().appendLines({"keep me"});
    QVERIFY(StringToFile("x", path("plain")));
    prompts().answerNext(path("plain/shot.bmp"));
    saveBitmap();
    prompts().answerNext(path("plain/log.txt"));
    saveLog();
    QCOMPARE(prompts().messages.size(), 2);
    QVERIFY(prompts().messages[0].detail.contains("shot.bmp"));
    QCOMPARE(logText(), QStringLiteral("keep me"));
    QCOMPARE(Rgb32(shown()), Rgb32(QImage(":/pictures/EMPTY")));
}

void TestFiles::confirmedDialogEntersFolder()
{
    QVERIFY(QDir(fixture_.dir().path()).mkdir("pictures"));
    prompts().answerNext(path("pictures/a.bmp"));
    saveBitmap();
    QCOMPARE(QDir::currentPath(), QDir(path("pictures")).canonicalPath());
}

void TestFiles::cancelledDialogDoesNothing()
{
    const QString current = QDir::currentPath();
    loadBitmap();
    saveBitmap();
    saveLog();
    QCOMPARE(QDir::currentPath(), current);
    QVERIFY(prompts().messages.isEmpty());
    QCOMPARE(QDir(fixture_.dir().path()).entryList(QDir::Files), QStringList{});
}

QTEST_MAIN(TestFiles)
#include "test_files.moc"
