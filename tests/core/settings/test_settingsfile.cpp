#include "inifile.h"
#include "orvisnap_installlayout.h"
#include "portmap.h"
#include "settingsfile.h"
#include "storedsettings.h"
#include "testfiles.h"
#include "unprivilegeduser.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr QFile::Permissions Writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
constexpr QFile::Permissions ReadOnly =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void locate_data();
    void locate();
    void meansFirstRun_data();
    void meansFirstRun();
    void language_data();
    void language();
    void capturesKeep_data();
    void capturesKeep();
    void unreadableFileIsNeverReplaced();
    void portMap();
};

void TestSettingsFile::locate_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<QString>("existingFile"); // "", "writable" or "read-only"
    QTest::addColumn<bool>("installTree");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable folder") << true << "" << false << true;
    QTest::newRow("read-only folder") << false << "" << false << false;
    QTest::newRow("read-only folder, writable file") << false << "writable" << false << true;
    QTest::newRow("read-only folder, read-only file") << false << "read-only" << false << false;
    QTest::newRow("installed, writable folder") << true << "" << true << false;
    QTest::newRow("installed, read-only folder") << false << "" << true << false;
}

// The place chosen must be one the program can write: every row writes a key there, as the
// user the program runs as (not root, who may write anywhere).
void TestSettingsFile::locate()
{
    QFETCH(bool, folderWritable);
    QFETCH(QString, existingFile);
    QFETCH(bool, installTree);
    QFETCH(bool, beside);

    QTemporaryDir root;
    QVERIFY(QFile::setPermissions(root.path(), Writable));
    const QDir bin(root.filePath(QStringLiteral("bin")));
    QVERIFY(bin.mkpath(QStringLiteral(".")));
    const QString config = root.filePath(QStringLiteral("config/Orvisnap")); // made on writing
    if (installTree) {
        const QString entry = bin.filePath(OrvisnapInstall::InstalledMarkerFromBin);
        QVERIFY(QDir().mkpath(QFileInfo(entry).path()));
        WriteTestFile(entry, "installed\n");
    }
    const QString besidePath = bin.filePath(QStringLiteral("Orvisnap.ini"));
    if (!existingFile.isEmpty()) {
        WriteTestFile(besidePath, "[Common]\n");
        QVERIFY(QFile::setPermissions(besidePath, existingFile == "writable"
                                                      ? QFile::WriteOther | QFile::ReadOther
                                                      : QFile::ReadOther));
    }
    QVERIFY(QFile::setPermissions(bin.path(), folderWritable ? Writable : ReadOnly));
    const auto removable = qScopeGuard([&bin] { QFile::setPermissions(bin.path(), Writable); });

    const UnprivilegedUser user;
    if (!user.ok())
        QSKIP("cannot run as an ordinary user here");
    const QString chosen = SettingsFile::locate(bin.path(), config);
    QCOMPARE(chosen, beside ? besidePath : config + QStringLiteral("/Orvisnap.ini"));
    IniFile ini(chosen);
    const Outcome written = ini.writeString("Common", "Left", "7");
    QVERIFY2(written, qPrintable(written.reason()));
    QCOMPARE(ini.readInteger("Common", "Left", -1), 7);
}

void TestSettingsFile::meansFirstRun_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<bool>("firstRun");

    QTest::newRow("no file") << QByteArray() << true;
    QTest::newRow("empty file") << QByteArray("") << false;
    QTest::newRow("[ports], comment, two entries")
        << QByteArray("; mapped by hand\n[ports]\nCOM1=/dev/ttyS0\nCOM2=/dev/ttyACM0\n") << true;
    QTest::newRow("[Ports] and [ComPort]")
        << QByteArray("[Ports]\nCOM3=/dev/ttyUSB0\n[ComPort]\nPort=3\n") << false;
    QTest::newRow("only [Common]") << QByteArray("[Common]\nCreationTime=x\n") << false;
    QTest::newRow("byte-order mark, [Ports]")
        << QByteArray("\xef\xbb\xbf[Ports]\r\nCOM1=/dev/ttyS0\r\n") << true;
    QTest::newRow("byte-order mark alone") << QByteArray("\xef\xbb\xbf") << false;
}

void TestSettingsFile::meansFirstRun()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, firstRun);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvisnap.ini"));
    if (!contents.isNull())
        WriteTestFile(path, contents);
    QCOMPARE(SettingsFile::meansFirstRun(path), firstRun);
}

void TestSettingsFile::language_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("language");
    QTest::newRow("plain") << QByteArray("[Common]\r\nLanguage=de\r\n") << "de";
    // Written by hand, as README says, and saved by Windows Notepad.
    QTest::newRow("after a byte-order mark")
        << QByteArray("\xef\xbb\xbf[Common]\r\nLanguage = pt_BR \r\n") << "pt_BR";
}

void TestSettingsFile::language()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, language);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvisnap.ini"));
    WriteTestFile(path, contents);
    QCOMPARE(StoredSettings::read(path).language, language);
}

void TestSettingsFile::capturesKeep_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("keep"); // -1: absent
    const QByteArray stamp = "[Common]\r\nCreationTime=2026-01-02 03:04:05\r\n";
    QTest::newRow("absent") << stamp << -1;
    QTest::newRow("a number") << stamp + "[Captures]\r\nKeep=250\r\n" << 250;
    QTest::newRow("0: off") << stamp + "[Captures]\r\nKeep=0\r\n" << 0;
    QTest::newRow("negative") << stamp + "[Captures]\r\nKeep=-5\r\n" << -1;
    QTest::newRow("no number") << stamp + "[Captures]\r\nKeep=many\r\n" << -1;
    QTest::newRow("too large") << stamp + "[Captures]\r\nKeep=99999999999\r\n" << -1;
    QTest::newRow("empty") << stamp + "[Captures]\r\nKeep=\r\n" << -1;
    QTest::newRow("no stamp, mixed-case names") << QByteArray("[captures]\nKEEP = 12\n") << 12;
    QTest::newRow("in another section") << stamp + "[Common]\r\nKeep=7\r\n" << -1;
}

// Set by hand only: the window's writes leave the file's [Captures] as it was, or without one.
void TestSettingsFile::capturesKeep()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, keep);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvisnap.ini"));
    WriteTestFile(path, contents);
    StoredSettings stored = StoredSettings::read(path);
    QCOMPARE(stored.capturesKeep.value_or(-1), keep);

    stored.left = 9;
    stored.capturesKeep = 3;
    const Outcome written = stored.write(path);
    QVERIFY2(written, qPrintable(written.reason()));
    QCOMPARE(StoredSettings::read(path).capturesKeep.value_or(-1), keep);
    QCOMPARE(ReadTestFile(path).toLower().count("keep"), contents.toLower().count("keep"));
}

// The settings are written as a whole file, so one that cannot be read whole stays as it is.
void TestSettingsFile::unreadableFileIsNeverReplaced()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvisnap.ini"));
    const QByteArray original = "[Common]\nCreationTime=x\n[Kept]\nkey=1\n";
    WriteTestFile(path, original);
    QVERIFY(QFile::setPermissions(dir.path(), Writable));
    QVERIFY(QFile::setPermissions(path, QFile::WriteOwner | QFile::WriteOther));
    {
        const UnprivilegedUser user;
        if (!user.ok())
            QSKIP("cannot run as an ordinary user here");
        StoredSettings settings;
        settings.left = 5;
        const Outcome written = settings.write(path);
        QVERIFY(!written);
        QVERIFY2(written.reason().contains(path), qPrintable(written.reason()));
        QVERIFY(!StoredSettings::stamp(path));
    }
    QVERIFY(QFile::setPermissions(path, Writable));
    QCOMPARE(ReadTestFile(path), original);
}

// Only [Ports], only COM1 to COM30, only devices that exist; the file is read, never written,
// and a missing file gives nothing and stays missing.
void TestSettingsFile::portMap()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString device = dir.filePath(QStringLiteral("tty a"));
    WriteTestFile(device, {});
    const QString ini = dir.filePath(QStringLiteral("Orvisnap.ini"));
    QCOMPARE(PortMap::read(ini), (QMap<int, QString>{}));
    QVERIFY(!QFile::exists(ini));
    const QByteArray path = device.toLocal8Bit();
    const QByteArray text = "[Common]\r\nCOM1=" + path + "\r\n[ports]\r\ncom3 = " + path +
                            "\r\nCOM4=/nonexistent/ttyUSB9\r\nCOM6=\"" + path +
                            "\"\r\nCOM7=\r\nCOM0=" + path + "\r\nCOM31=" + path + "\r\n";
    WriteTestFile(ini, text);
    QCOMPARE(PortMap::read(ini), (QMap<int, QString>{{3, device}, {6, device}}));
    QCOMPARE(ReadTestFile(ini), text);
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
