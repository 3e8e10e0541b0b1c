// Saving where the folder takes no new files: every writer of the program replaces an existing
// writable file there, in place, as the user the program runs as (root writes anywhere); and
// where the disk is full, a save that does not fit leaves the old file whole.
#include "filehelpers.h"
#include "filesizelimit.h"
#include "inifile.h"
#include "pictureio.h"
#include "testfiles.h"
#include "tmpfsmount.h"
#include "unprivilegeduser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <optional>

namespace {
constexpr QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
constexpr QFile::Permissions Closed =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
const QByteArray Old = "[Common]\r\nLeft=5\r\n";

// Settings-like text of about `size` bytes, each line ended.
QByteArray settingsText(const QByteArray& word, int size)
{
    QByteArray text = "[Common]\r\nLeft=5\r\n[Timings]\r\n";
    for (int line = 0; text.size() < size; ++line)
        text += "; " + word + ' ' + QByteArray::number(line) + "\r\n";
    return text;
}

QImage picture()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    return image;
}
} // namespace

using Writer = std::function<Outcome(const QString& path)>;
Q_DECLARE_METATYPE(Writer)

class TestReadOnlyFolder : public QObject {
    Q_OBJECT
private slots:
    void save_data();
    void save();
    void noRoom_data();
    void noRoom();
};

void TestReadOnlyFolder::save_data()
{
    QTest::addColumn<Writer>("write");
    QTest::addColumn<QString>("existing"); // "", "writable" or "read-only"
    QTest::addColumn<QByteArray>("after"); // null: refused, the folder as it was
    const Writer bytes = [](const QString& path) { return StringToFile("new", path); };
    const Writer bmp = [](const QString& path) { return PictureIo::saveBmp(picture(), path); };
    const Writer ini = [](const QString& path) {
        return IniFile(path).writeString("Common", "Left", "7");
    };
    QTest::newRow("bytes over a writable file") << bytes << "writable" << QByteArray("new");
    QTest::newRow("picture over a writable file")
        << bmp << "writable" << PictureIo::encodeBmp(picture());
    QTest::newRow("settings over a writable file")
        << ini << "writable" << QByteArray("[Common]\r\nLeft=7\r\n");
    QTest::newRow("bytes over a read-only file") << bytes << "read-only" << QByteArray();
    QTest::newRow("settings over a read-only file") << ini << "read-only" << QByteArray();
    QTest::newRow("bytes, no file") << bytes << "" << QByteArray();
}

void TestReadOnlyFolder::save()
{
    QFETCH(Writer, write);
    QFETCH(QString, existing);
    QFETCH(QByteArray, after);
    QTemporaryDir root;
    QVERIFY(QFile::setPermissions(root.path(), Open));
    const QString folder = root.filePath(QStringLiteral("folder"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/TMP.BMP");
    if (!existing.isEmpty()) {
        WriteTestFile(path, Old);
        QVERIFY(QFile::setPermissions(path, existing == "writable"
                                                ? QFile::ReadOther | QFile::WriteOther
                                                : QFile::ReadOther));
    }
    QVERIFY(QFile::setPermissions(folder, Closed));
    const auto removable = qScopeGuard([&folder] { QFile::setPermissions(folder, Open); });

    const UnprivilegedUser user;
    if (!user.ok())
        QSKIP("cannot run as an ordinary user here");
    const Outcome saved = write(path);
    QCOMPARE(saved.ok(), !after.isNull());
    if (!saved)
        QVERIFY2(saved.reason().contains(path), qPrintable(saved.reason()));
    QCOMPARE(ReadTestFile(path),
             after.isNull() ? (existing.isEmpty() ? QByteArray() : Old) : after);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             existing.isEmpty() ? QStringList() : QStringList{QStringLiteral("TMP.BMP")});
}

void TestReadOnlyFolder::noRoom_data()
{
    QTest::addColumn<bool>("fullDisk");         // else a file-size limit, which fails alike
    QTest::addColumn<bool>("folderTakesFiles"); // else the file is written in place
    QTest::addColumn<int>("newSize");           // the old text is 6000 bytes
    QTest::addColumn<bool>("written");
    QTest::newRow("full disk, longer text") << true << true << 9000 << false;
    QTest::newRow("full disk, in place, longer text") << true << false << 9000 << false;
    QTest::newRow("full disk, in place, shorter text") << true << false << 700 << true;
    QTest::newRow("size limit, in place, longer text") << false << false << 9000 << false;
    QTest::newRow("size limit, in place, shorter text") << false << false << 700 << true;
}

// The old text fills two pages of the file system, so a longer one needs more room, which
// overwriting the old one in place does not.
void TestReadOnlyFolder::noRoom()
{
    QFETCH(bool, fullDisk);
    QFETCH(bool, folderTakesFiles);
    QFETCH(int, newSize);
    QFETCH(bool, written);
    QTemporaryDir root;
    QVERIFY(QFile::setPermissions(root.path(), Open));
    const QString disk = root.filePath(QStringLiteral("disk"));
    std::optional<TmpfsMount> tmpfs;
    if (fullDisk) {
        tmpfs.emplace(disk, 256);
        if (!tmpfs->ok())
            QSKIP(qPrintable("cannot mount a tmpfs here, the full disk goes untested: " +
                             tmpfs->why()));
    }
    const QString folder = disk + QStringLiteral("/folder");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Orvisnap.ini");
    const QByteArray old = settingsText("old", 6000);
    const QByteArray now = settingsText("new", newSize);
    WriteTestFile(path, old);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOther | QFile::WriteOther));
    QVERIFY(QFile::setPermissions(folder, folderTakesFiles ? Open : Closed));
    const auto removable = qScopeGuard([&folder] { QFile::setPermissions(folder, Open); });
    if (tmpfs)
        tmpfs->fill(QStringLiteral("filler"));

    Outcome saved;
    {
        const UnprivilegedUser user;
        if (!user.ok())
            QSKIP("cannot run as an ordinary user here");
        std::optional<FileSizeLimit> limit;
        if (!fullDisk) {
            limit.emplace(8192);
            QVERIFY(limit->active());
        }
        saved = StringToFile(now, path);
    }
    QCOMPARE(saved.ok(), written);
    if (!saved)
        QVERIFY2(saved.reason().contains(path), qPrintable(saved.reason()));
    QCOMPARE(ReadTestFile(path), written ? now : old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Orvisnap.ini")});
}

QTEST_GUILESS_MAIN(TestReadOnlyFolder)
#include "test_readonlyfolder.moc"
