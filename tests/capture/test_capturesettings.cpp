// orvisnap-capture starts from the window's settings file, read by the window's rules.
#include "capturesettings.h"
#include "settingsrows.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCaptureSettings : public QObject {
    Q_OBJECT
private slots:
    void read_data() { SettingsRows::add(); }
    void read();
};

void TestCaptureSettings::read()
{
    using namespace SettingsRows;
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, stored);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvisnap.ini"));
    if (!file.isNull())
        WriteTestFile(path, file);
    const CaptureSettings settings = CaptureSettings::read(path);
    const DownloadTimings own;
    QCOMPARE(settings.port.value_or(-1), stored[Port]);
    QCOMPARE(settings.timings.timeoutSeconds, orOwn(stored, Timeout, own.timeoutSeconds));
    QCOMPARE(settings.timings.rxDelayMs, orOwn(stored, RxDelay, own.rxDelayMs));
    QCOMPARE(settings.timings.nakDelayMs, orOwn(stored, NakDelay, own.nakDelayMs));
    // The tool never writes the file, not even a missing stamp.
    QCOMPARE(QFile::exists(path), !file.isNull());
    QCOMPARE(ReadTestFile(path), file.isNull() ? QByteArray() : file);
}

QTEST_APPLESS_MAIN(TestCaptureSettings)
#include "test_capturesettings.moc"
