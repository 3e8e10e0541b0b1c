#include "filesizelimit.h"
#include "inifile.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QString golden(const QString& name)
{
    return QStringLiteral(ORVISNAP_TEST_DATA "/ini/") + name;
}

// Each entry: section, key, value.
using Writes = QList<QByteArrayList>;

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readString_data();
    void readString();
    void presentEmptyDiffersFromMissing();
    void readMissingFileCreatesNothing();
    void readInteger_data();
    void readInteger();

    void writeEdits_data();
    void writeEdits();
    void sameWriteTwice_data();
    void sameWriteTwice();
    void writeKeepsHandEditedFile_data();
    void writeKeepsHandEditedFile();
    void eightKeysMakeTheSettingsFileInOrder();
    void writeIntegerRoundTrips();
    void junkSurvivesAndDoesNotConfuse();

    void refusesNamesThatBreakLines_data();
    void refusesNamesThatBreakLines();
    void failsWhenParentIsAFile();
    void failedWriteInReadOnlyFolderKeepsOldFile();
    void failedWriteOnFullDiskKeepsOldFile();

private:
    [[nodiscard]] QString iniPath() const { return dir_->filePath(QStringLiteral("Orvisnap.ini")); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void TestIniFile::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray def = "<def>";
    QTest::newRow("plain") << QByteArray("[Common]\r\nLeft=5\r\n") << QByteArray("Common")
                           << QByteArray("Left") << QByteArray("5");
    QTest::newRow("names ignore case") << QByteArray("[cOmMoN]\nleft=5\n") << QByteArray("COMMON")
                                       << QByteArray("LEFT") << QByteArray("5");
    QTest::newRow("blanks around names and value")
        << QByteArray(" \t[ Common ]  \n\t Left \t= \t5 6 \t\n") << QByteArray("Common")
        << QByteArray("Left") << QByteArray("5 6");
    QTest::newRow("blanks around asked names")
        << QByteArray("[Common]\nLeft=5\n") << QByteArray(" Common ") << QByteArray("\tLeft")
        << QByteArray("5");
    QTest::newRow("missing section")
        << QByteArray("[Timings]\nLeft=5\n") << QByteArray("Common") << QByteArray("Left") << def;
    QTest::newRow("missing key") << QByteArray("[Common]\nTop=5\n") << QByteArray("Common")
                                 << QByteArray("Left") << def;
    QTest::newRow("key of the next section") << QByteArray("[Common]\n[Other]\nLeft=5\n")
                                             << QByteArray("Common") << QByteArray("Left") << def;
    QTest::newRow("key before any section")
        << QByteArray("Left=5\n[Common]\n") << QByteArray("Common") << QByteArray("Left") << def;
    QTest::newRow("comment is no key")
        << QByteArray("[Common]\n;Left=5\n") << QByteArray("Common") << QByteArray("Left") << def;
    QTest::newRow("name must match whole")
        << QByteArray("[Common]\nLeftX=5\n") << QByteArray("Common") << QByteArray("Left") << def;
    QTest::newRow("unclosed header is no section")
        << QByteArray("[Common\nLeft=5\n") << QByteArray("Common") << QByteArray("Left") << def;
    QTest::newRow("text after header")
        << QByteArray("[Common] ; main\nLeft=5\n") << QByteArray("Common") << QByteArray("Left")
        << QByteArray("5");
    QTest::newRow("first of duplicate keys")
        << QByteArray("[Common]\nLeft=1\nLEFT=2\n") << QByteArray("Common") << QByteArray("Left")
        << QByteArray("1");
    QTest::newRow("first of duplicate sections")
        << QByteArray("[Common]\nTop=1\n[common]\nLeft=2\n") << QByteArray("Common")
        << QByteArray("Left") << def;
    QTest::newRow("equals sign in value")
        << QByteArray("[A]\nk=a=b\n") << QByteArray("A") << QByteArray("k") << QByteArray("a=b");
    QTest::newRow("double quotes dropped") << QByteArray("[A]\nk=\" x \"\n") << QByteArray("A")
                                           << QByteArray("k") << QByteArray(" x ");
    QTest::newRow("single quotes dropped")
        << QByteArray("[A]\nk='x'\n") << QByteArray("A") << QByteArray("k") << QByteArray("x");
    QTest::newRow("unpaired quote kept")
        << QByteArray("[A]\nk=\"x'\n") << QByteArray("A") << QByteArray("k") << QByteArray("\"x'");
    QTest::newRow("last line without line end")
        << QByteArray("[A]\r\nk=7") << QByteArray("A") << QByteArray("k") << QByteArray("7");
    QTest::newRow("8-bit and NUL bytes")
        << QByteArrayLiteral("[A]\nk=\xe9\0\xff\n") << QByteArray("A") << QByteArray("k")
        << QByteArrayLiteral("\xe9\0\xff");
    QTest::newRow("non-ASCII names match exactly")
        << QByteArray("[\xc9t\xc9]\nk=1\n") << QByteArray("\xe9t\xe9") << QByteArray("k") << def;
    QTest::newRow("first section after a byte-order mark")
        << QByteArray("\xef\xbb\xbf[Common]\r\nLeft=5\r\n") << QByteArray("Common")
        << QByteArray("Left") << QByteArray("5");
    QTest::newRow("a mark after the start is text")
        << QByteArray("\n\xef\xbb\xbf[Common]\nLeft=5\n") << QByteArray("Common")
        << QByteArray("Left") << def;
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    WriteTestFile(iniPath(), file);
    QCOMPARE(IniFile(iniPath()).readString(section, key, "<def>"), expected);
}

void TestIniFile::presentEmptyDiffersFromMissing()
{
    WriteTestFile(iniPath(), "[Common]\r\nCreationTime=\r\nBlank=  \r\n");
    const IniFile ini(iniPath());
    QCOMPARE(ini.readString("Common", "CreationTime", "x"), QByteArray());
    QVERIFY(!ini.readString("Common", "CreationTime", QByteArray()).isNull());
    QVERIFY(!ini.readString("Common", "Blank", QByteArray()).isNull());
    QVERIFY(ini.readString("Common", "Missing", QByteArray()).isNull());
}

void TestIniFile::readMissingFileCreatesNothing()
{
    const IniFile ini(iniPath());
    QVERIFY(!ini.exists());
    QCOMPARE(ini.readString("Common", "Left", "d"), QByteArray("d"));
    QCOMPARE(ini.readInteger("Common", "Left", -1), -1);
    QVERIFY(!QFile::exists(iniPath()));

    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Orvisnap.ini")));
    QVERIFY2(!ini.exists(), "a folder is not a settings file");
    QCOMPARE(ini.readString("Common", "Left", "d"), QByteArray("d"));
}

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");

    const int def = 42;
    QTest::newRow("plain") << QByteArray("5") << 5;
    QTest::newRow("minus") << QByteArray("-1") << -1;
    QTest::newRow("plus") << QByteArray("+7") << 7;
    QTest::newRow("blanks") << QByteArray(" 12 ") << 12;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("minus zero") << QByteArray("-0") << 0;
    QTest::newRow("leading zeros are decimal") << QByteArray("010") << 10;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("above range") << QByteArray("2147483648") << def;
    QTest::newRow("below range") << QByteArray("-2147483649") << def;
    QTest::newRow("far out of range") << QByteArray("99999999999999999999999") << def;
    QTest::newRow("trailing junk") << QByteArray("12abc") << def;
    QTest::newRow("blank inside") << QByteArray("1 2") << def;
    QTest::newRow("empty") << QByteArray("") << def;
    QTest::newRow("hex") << QByteArray("0x10") << def;
    QTest::newRow("sign alone") << QByteArray("-") << def;
    QTest::newRow("two signs") << QByteArray("+-1") << def;
    QTest::newRow("double minus") << QByteArray("--1") << def;
    QTest::newRow("fraction") << QByteArray("1.5") << def;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    WriteTestFile(iniPath(), "[Timings]\r\nTimeout=" + value + "\r\n");
    const IniFile ini(iniPath());
    QCOMPARE(ini.readInteger("timings", "TIMEOUT", 42), expected);
    QCOMPARE(ini.readInteger("Timings", "Missing", 42), 42);
}

void TestIniFile::writeEdits_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replace keeps spelling, blanks and line end")
        << QByteArray("[a]\r\n  KEY\t= old  \r\n") << QByteArray("A") << QByteArray("key")
        << QByteArray("[a]\r\n  KEY\t= v\r\n");
    QTest::newRow("replace empty value") << QByteArray("[A]\nk=\nz=1\n") << QByteArray("A")
                                         << QByteArray("k") << QByteArray("[A]\nk=v\nz=1\n");
    QTest::newRow("replace on last line without line end")
        << QByteArray("[A]\nk=1") << QByteArray("A") << QByteArray("k") << QByteArray("[A]\nk=v");
    QTest::newRow("add after last key, before closing blank and comment")
        << QByteArray("[A]\nx=1\n\n; about B\n[B]\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[A]\nx=1\nk=v\n\n; about B\n[B]\n");
    QTest::newRow("add to section without keys")
        << QByteArray("[A]\n[B]\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[A]\nk=v\n[B]\n");
    QTest::newRow("add after last line without line end")
        << QByteArray("[A]\nx=1") << QByteArray("A") << QByteArray("k")
        << QByteArray("[A]\nx=1\nk=v\n");
    QTest::newRow("add after header without line end")
        << QByteArray("[A]") << QByteArray("A") << QByteArray("k") << QByteArray("[A]\r\nk=v\r\n");
    QTest::newRow("add section after blank line")
        << QByteArray("[B]\nx=1\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[B]\nx=1\n\n[A]\nk=v\n");
    QTest::newRow("add section, file ends blank")
        << QByteArray("[B]\nx=1\n\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[B]\nx=1\n\n[A]\nk=v\n");
    QTest::newRow("add section, no final line end")
        << QByteArray("[B]\r\nx=1") << QByteArray("A") << QByteArray("k")
        << QByteArray("[B]\r\nx=1\r\n\r\n[A]\r\nk=v\r\n");
    QTest::newRow("empty file is CR LF")
        << QByteArray() << QByteArray(" A ") << QByteArray(" k ") << QByteArray("[A]\r\nk=v\r\n");
    QTest::newRow("first line end decides")
        << QByteArray("[B]\r\nx=1\ny=2\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[B]\r\nx=1\ny=2\n\r\n[A]\r\nk=v\r\n");
    QTest::newRow("first of duplicate keys") << QByteArray("[A]\nk=1\nK=2\n") << QByteArray("A")
                                             << QByteArray("k") << QByteArray("[A]\nk=v\nK=2\n");
    QTest::newRow("first of duplicate sections")
        << QByteArray("[A]\nx=1\n[a]\nk=2\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[A]\nx=1\nk=v\n[a]\nk=2\n");
    QTest::newRow("key before any section is not touched")
        << QByteArray("k=1\n[A]\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("k=1\n[A]\nk=v\n");
    QTest::newRow("commented key is not touched")
        << QByteArray("[A]\n;k=1\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[A]\nk=v\n;k=1\n");
    QTest::newRow("line without equals sign counts as an entry")
        << QByteArray("[A]\njunk\n\n[B]\n") << QByteArray("A") << QByteArray("k")
        << QByteArray("[A]\njunk\nk=v\n\n[B]\n");
    // Windows Notepad's UTF-8: the mark stays first, and the section after it is the one.
    const QByteArray mark = "\xef\xbb\xbf";
    QTest::newRow("mark: replace in the first section")
        << mark + "[A]\r\nk=1\r\n"
        << QByteArray("A") << QByteArray("k") << mark + "[A]\r\nk=v\r\n";
    QTest::newRow("mark: add to the first section")
        << mark + "[A]\r\nx=1\r\n[B]\r\n"
        << QByteArray("a") << QByteArray("k") << mark + "[A]\r\nx=1\r\nk=v\r\n[B]\r\n";
    QTest::newRow("mark: add a section")
        << mark + "[B]\nx=1\n"
        << QByteArray("A") << QByteArray("k") << mark + "[B]\nx=1\n\n[A]\nk=v\n";
    QTest::newRow("mark alone") << mark << QByteArray("A") << QByteArray("k")
                                << mark + "[A]\r\nk=v\r\n";
}

void TestIniFile::writeEdits()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, after);
    WriteTestFile(iniPath(), before);
    IniFile ini(iniPath());
    const Outcome written = ini.writeString(section, key, "v");
    QVERIFY2(written, qPrintable(written.reason()));
    QCOMPARE(ReadTestFile(iniPath()), after);
    QCOMPARE(ini.readString(section, key, {}), QByteArray("v"));
}

void TestIniFile::sameWriteTwice_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("leading blanks replace those after =")
        << QByteArray("[A]\nk = old\n") << QByteArray("  v") << QByteArray("[A]\nk =  v\n");
    QTest::newRow("new key with leading blank")
        << QByteArray("[A]\n") << QByteArray(" v") << QByteArray("[A]\nk= v\n");
    QTest::newRow("trailing blanks")
        << QByteArray("[A]\nk=old\n") << QByteArray("v  ") << QByteArray("[A]\nk=v  \n");
    QTest::newRow("empty value keeps blanks after =")
        << QByteArray("[A]\nk = old\n") << QByteArray("") << QByteArray("[A]\nk = \n");
}

// Writing what is already there changes nothing, whatever blanks the value brings.
void TestIniFile::sameWriteTwice()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    WriteTestFile(iniPath(), before);
    IniFile ini(iniPath());
    for (int write = 1; write <= 2; ++write) {
        QVERIFY(ini.writeString("A", "k", value));
        QCOMPARE(ReadTestFile(iniPath()), after);
    }
}

void TestIniFile::writeKeepsHandEditedFile_data()
{
    QTest::addColumn<bool>("crlf");
    QTest::newRow("CR LF") << true;
    QTest::newRow("LF") << false;
}

void TestIniFile::writeKeepsHandEditedFile()
{
    QFETCH(bool, crlf);
    const auto ends = [crlf](QByteArray text) { return crlf ? text : text.replace("\r\n", "\n"); };
    const QByteArray before = ReadTestFile(golden(QStringLiteral("hand-edited.before.ini")));
    QVERIFY(before.contains("\r\n"));
    WriteTestFile(iniPath(), ends(before));

    IniFile ini(iniPath());
    QVERIFY(ini.writeInteger("Common", "Left", -5));
    QVERIFY(ini.writeInteger("Common", "Top", 300));
    QVERIFY(ini.writeInteger("Common", "BMPRes", 3));
    QVERIFY(ini.writeInteger("Timings", "NAKDelay", 45));
    QVERIFY(ini.writeInteger("ComPort", "Port", 4));

    QCOMPARE(ReadTestFile(iniPath()),
             ends(ReadTestFile(golden(QStringLiteral("hand-edited.after.ini")))));
}

void TestIniFile::eightKeysMakeTheSettingsFileInOrder()
{
    IniFile ini(iniPath());
    const Writes writes = {{"Common", "CreationTime", "2024-05-01 10:00:00"},
                           {"Common", "Left", "314"},
                           {"Common", "Top", "556"},
                           {"Common", "BMPRes", "2"},
                           {"Timings", "Timeout", "10"},
                           {"Timings", "RxDelay", "30"},
                           {"Timings", "NAKDelay", "30"},
                           {"ComPort", "Port", "3"}};
    const QByteArray expected = ReadTestFile(golden(QStringLiteral("eight-keys.ini")));
    // The second round is the next shut-down: same keys, same file.
    for (int round = 0; round < 2; ++round) {
        for (const QByteArrayList& w : writes)
            QVERIFY(ini.writeString(w[0], w[1], w[2]));
        QCOMPARE(ReadTestFile(iniPath()), expected);
    }
    QVERIFY(ini.exists());
    QCOMPARE(ini.readString("Common", "CreationTime", {}), QByteArray("2024-05-01 10:00:00"));
    QCOMPARE(ini.readInteger("ComPort", "Port", -1), 3);
}

void TestIniFile::writeIntegerRoundTrips()
{
    IniFile ini(iniPath());
    for (const std::int32_t value : {0, -1, 2147483647, -2147483647 - 1}) {
        QVERIFY(ini.writeInteger("Common", "Left", value));
        QCOMPARE(ini.readInteger("Common", "Left", 42), value);
    }
    QCOMPARE(ReadTestFile(iniPath()), QByteArray("[Common]\r\nLeft=-2147483648\r\n"));
}

void TestIniFile::junkSurvivesAndDoesNotConfuse()
{
    // A megabyte-long line, NUL bytes and random binary before real sections.
    QByteArray junk(1 << 20, 'x');
    junk += QByteArrayLiteral("\0\0=\0[\r\r\n");
    QRandomGenerator random(7);
    for (int i = 0; i < 4096; ++i)
        junk += char(random.bounded(256));
    const QByteArray before = junk + "\n[Common]\nLeft=5\n";
    WriteTestFile(iniPath(), before);

    IniFile ini(iniPath());
    QCOMPARE(ini.readInteger("Common", "Left", -1), 5);
    QVERIFY(ini.writeInteger("Common", "Left", 6));
    QVERIFY(ini.writeString("Orvisnap Test", "Key", "value"));
    const QByteArray after = ReadTestFile(iniPath());
    QVERIFY(after.startsWith(junk + "\n[Common]\nLeft=6\n"));
    QCOMPARE(ini.readString("orvisnap test", "key", {}), QByteArray("value"));
}

void TestIniFile::refusesNamesThatBreakLines_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("empty section") << QByteArray(" ") << QByteArray("k") << QByteArray("v");
    QTest::newRow("bracket in section") << QByteArray("A]B") << QByteArray("k") << QByteArray("v");
    QTest::newRow("line break in section")
        << QByteArray("A\nB") << QByteArray("k") << QByteArray("v");
    QTest::newRow("empty key") << QByteArray("A") << QByteArray("") << QByteArray("v");
    QTest::newRow("equals in key") << QByteArray("A") << QByteArray("k=j") << QByteArray("v");
    QTest::newRow("key like comment") << QByteArray("A") << QByteArray(";k") << QByteArray("v");
    QTest::newRow("key like section") << QByteArray("A") << QByteArray("[k]") << QByteArray("v");
    QTest::newRow("CR in value") << QByteArray("A") << QByteArray("k") << QByteArray("1\r2");
    QTest::newRow("LF in value") << QByteArray("A") << QByteArray("k") << QByteArray("1\n[B]\nk=2");
}

void TestIniFile::refusesNamesThatBreakLines()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    const QByteArray before = "[A]\nk=1\n";
    WriteTestFile(iniPath(), before);
    IniFile ini(iniPath());
    const Outcome refused = ini.writeString(section, key, value);
    QVERIFY(!refused);
    QVERIFY(refused.reason().contains(iniPath()));
    QCOMPARE(ReadTestFile(iniPath()), before);

    const Outcome written = ini.writeString("A", "k", "2");
    QVERIFY(written);
    QVERIFY(written.reason().isEmpty());
}

void TestIniFile::failsWhenParentIsAFile()
{
    const QString parent = dir_->filePath(QStringLiteral("plain-file"));
    WriteTestFile(parent, "not a folder");
    const QString path = parent + QStringLiteral("/Orvisnap.ini");
    IniFile ini(path);
    const Outcome written = ini.writeInteger("Common", "Left", 1);
    QVERIFY(!written);
    const QString prefix = QStringLiteral("Cannot write %1: ").arg(path);
    QVERIFY2(written.reason().startsWith(prefix), qPrintable(written.reason()));
    QVERIFY2(written.reason().size() > prefix.size(), "the system's reason is missing");
    QCOMPARE(ReadTestFile(parent), QByteArray("not a folder"));
}

void TestIniFile::failedWriteInReadOnlyFolderKeepsOldFile()
{
    const QByteArray before = "[Common]\r\nLeft=5\r\n";
    WriteTestFile(iniPath(), before);
    // A writable file would be written in place there.
    QVERIFY(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::ReadOther));
    QFile::Permissions writable = QFile::permissions(dir_->path());
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner |
                                                    QFile::ReadGroup | QFile::ExeGroup |
                                                    QFile::ReadOther | QFile::ExeOther));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(dir_->path(), writable); });
    {
        QFile probe(dir_->filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("This user writes into read-only folders (root); see the full-disk test.");
    }
    IniFile ini(iniPath());
    const Outcome written = ini.writeInteger("Common", "Left", 6);
    QVERIFY(!written);
    QVERIFY2(written.reason().contains(iniPath()), qPrintable(written.reason()));
    QCOMPARE(ReadTestFile(iniPath()), before);
}

void TestIniFile::failedWriteOnFullDiskKeepsOldFile()
{
    // A file-size limit fails the write the way a full disk does, even for root.
    QByteArray before = "[Common]\r\nLeft=5\r\n";
    before += "; " + QByteArray(200, '-') + "\r\n";
    WriteTestFile(iniPath(), before);

    IniFile ini(iniPath());
    Outcome written;
    {
        const FileSizeLimit limit(64);
        if (!limit.active())
            QSKIP("Needs a file-size limit");
        written = ini.writeInteger("Common", "Left", 6);
    }
    QVERIFY(!written);
    const QString prefix = QStringLiteral("Cannot write %1: ").arg(iniPath());
    QVERIFY2(written.reason().startsWith(prefix), qPrintable(written.reason()));
    QVERIFY2(written.reason().size() > prefix.size(), "the system's reason is missing");
    QCOMPARE(ReadTestFile(iniPath()), before);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Orvisnap.ini")});
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
