// What orvisnap-capture writes about a capture: the progress line and the names of its files.
#include "outputnaming.h"
#include "pictureoutput.h"
#include "progresstext.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestCaptureFormat : public QObject {
    Q_OBJECT
private slots:
    void transfer_data();
    void transfer();
    void names_data();
    void names();
    void keptWhenTheNameFails_data();
    void keptWhenTheNameFails();
};

void TestCaptureFormat::transfer_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<qint64>("sinceFirst");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");
    QTest::newRow("first block: no rate yet")
        << 128LL << 38518LL << 0LL << 0LL << "  0%  0 / 38 KB  -- KB/s  -:-- left";
    QTest::newRow("halfway") << 19200LL << 38400LL << 19072LL << 5000LL
                             << " 50%  19 / 38 KB  3.7 KB/s  0:06 left";
    QTest::newRow("padding past the size")
        << 38528LL << 38518LL << 38400LL << 10000LL << "100%  38 / 38 KB  3.8 KB/s  0:00 left";
    QTest::newRow("size unknown") << 16384LL << -1LL << 16256LL << 4000LL << "16 KB  4.0 KB/s";
    QTest::newRow("slow: minutes left")
        << 1024LL << 400000LL << 896LL << 1000LL << "  0%  1 / 391 KB  0.9 KB/s  7:26 left";
}

void TestCaptureFormat::transfer()
{
    QFETCH(qint64, received);
    QFETCH(qint64, expected);
    QFETCH(qint64, sinceFirst);
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(ProgressText::transfer(received, expected, sinceFirst, ms), text);
}

void TestCaptureFormat::names_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QStringList>("names"); // captures 1, 2, 3, all at the same second
    QTest::addColumn<QString>("raw");       // for capture 2
    const QString stamp = QStringLiteral("DSO_2026-12-06_19-05-07");
    QTest::newRow("given") << "out/shot.png"
                           << QStringList{"out/shot.png", "out/shot-2.png", "out/shot-3.png"}
                           << "out/shot-2.png.raw";
    QTest::newRow("dots in the name")
        << "a.b.BMP" << QStringList{"a.b.BMP", "a.b-2.BMP", "a.b-3.BMP"} << "a.b-2.BMP.raw";
    QTest::newRow("time-stamped, same second")
        << QString() << QStringList{stamp + ".png", stamp + "-2.png", stamp + "-3.png"}
        << stamp + "-4.png.raw";
    QTest::newRow("standard output") << "-" << QStringList{"-", "-", "-"} << stamp + ".png.raw";
}

void TestCaptureFormat::names()
{
    QFETCH(QString, given);
    QFETCH(QStringList, names);
    QFETCH(QString, raw);
    const QDateTime at(QDate(2026, 12, 6), QTime(19, 5, 7));
    OutputNaming naming(given);
    QStringList made;
    for (int index = 1; index <= names.size(); ++index)
        made << naming.nameFor(index, at);
    QCOMPARE(made, names);
    QCOMPARE(naming.rawNameFor(2, at), raw);
}

void TestCaptureFormat::keptWhenTheNameFails_data()
{
    QTest::addColumn<QString>("name");   // in a new folder
    QTest::addColumn<QString>("keptIn"); // "beside" or "temporary"
    QTest::newRow("the name is taken by a folder") << "shot.bmp"
                                                   << "beside";
    QTest::newRow("the folder is gone") << "gone/shot.bmp"
                                        << "temporary";
}

void TestCaptureFormat::keptWhenTheNameFails()
{
    QFETCH(QString, name);
    QFETCH(QString, keptIn);
    const QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkdir("shot.bmp"));
    QString keptAs;
    const Outcome written = PictureOutput::writeKeeping("picture", work.filePath(name), keptAs);
    QVERIFY(!written);
    QVERIFY2(written.reason().contains("shot.bmp"), qPrintable(written.reason()));
    const QString folder = keptIn == "beside" ? work.path() : QDir::tempPath();
    QCOMPARE(QFileInfo(keptAs).absolutePath(), QDir(folder).absolutePath());
    QCOMPARE(ReadTestFile(keptAs), QByteArray("picture"));
    QFile::remove(keptAs);
}

QTEST_APPLESS_MAIN(TestCaptureFormat)
#include "test_captureformat.moc"
