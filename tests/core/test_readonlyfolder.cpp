// Saving where the folder takes no new files: every writer of the program replaces an existing
// writable file there, in place, as the user the program runs as (root writes anywhere).
#include "filehelpers.h"
#include "inifile.h"
#include "pictureio.h"
#include "testfiles.h"
#include "unprivilegeduser.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {
constexpr QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
constexpr QFile::Permissions Closed =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
const QByteArray Old = "[Common]\r\nLeft=5\r\n";

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

QTEST_GUILESS_MAIN(TestReadOnlyFolder)
#include "test_readonlyfolder.moc"
