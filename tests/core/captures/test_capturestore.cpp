// The captures folder: what a capture says of itself, which files count as captures, the limit,
// and damaged files and failed writes, which must neither crash the listing nor leave debris.
#include "capturestore.h"
#include "filenames.h"
#include "filesizelimit.h"
#include "pictureio.h"
#include "testfiles.h"
#include "testpictures.h"
#include "tmpfsmount.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <optional>

Q_DECLARE_METATYPE(CaptureInfo)

char* toString(const CaptureInfo& info)
{
    return QTest::toString(
        QStringLiteral("{%1, %2, %3, %4}")
            .arg(info.time.toString(Qt::ISODate), info.port, info.pictureSize, info.note));
}

namespace {
const QDateTime Noon(QDate(2026, 1, 1), QTime(12, 0, 0));

QDateTime at(const char* stamp)
{
    return QDateTime::fromString(QLatin1String(stamp), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString nameAt(const QDateTime& time)
{
    return FileNames::stamped(time.toLocalTime(), QStringLiteral("png"));
}

QImage palettePicture()
{
    QImage image(5, 3, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 0), qRgb(0, 255, 255)});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, static_cast<uint>((x + y) % 3));
    return image;
}

QImage translucentPicture()
{
    QImage image = Checkerboard({4, 4}).convertToFormat(QImage::Format_ARGB32);
    image.setPixel(1, 2, qRgba(10, 20, 30, 40));
    return image;
}

// The files of `folder`, hidden ones too, by name.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QStringList fileNames(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

// Whether the reader sees every text chunk before the first pixel data.
bool textBeforePixels(const QByteArray& png)
{
    const qsizetype pixels = png.indexOf("IDAT");
    for (const char* chunk : {"tEXt", "zTXt", "iTXt"})
        if (png.lastIndexOf(chunk) > pixels)
            return false;
    return pixels > 0;
}

void addInFolder(const QString& folder, const QStringList& names)
{
    for (const QString& name : names)
        WriteTestFile(QDir(folder).filePath(name), {});
}

// Never touched, whatever the limit.
const QStringList Foreign = {"notes.txt",
                             "DSO_2020-01-01_00-00-00.bmp",
                             "dso_2020-01-01_00-00-01.png",
                             "DSO_2020-01-01_00-00-02_1.png",
                             "DSO_2020-01-01_00-00-03.PNG",
                             "DSO_2020-01-01_00-00-04_02.png"};
} // namespace

class TestCaptureStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void order();
    void limit_data();
    void limit();
    void damaged_data();
    void damaged();
    void noRoom_data();
    void noRoom();
    void refused();
    void setNote_data();
    void setNote();
    void remove();
    void folderFor_data();
    void folderFor();

private:
    QTemporaryDir home_; // the trash's, so that remove() leaves the user's alone
};

void TestCaptureStore::initTestCase()
{
    QVERIFY(home_.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path()));
}

void TestCaptureStore::roundTrip_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<CaptureInfo>("info");
    QTest::addColumn<CaptureInfo>("read"); // what the file says
    const QDateTime eastOfUtc(QDate(2026, 12, 6), QTime(19, 5, 7), QTimeZone(3600));
    const QImage screen = Checkerboard({32, 24});
    const CaptureInfo downloaded{eastOfUtc, "COM9", "320x234", "trigger at 2 ms"};
    QTest::newRow("downloaded") << screen << downloaded << downloaded;
    QTest::newRow("Japanese note on two lines")
        << screen << CaptureInfo{Noon, "COM10", "32x24", "立ち上がり 5 ns\nプローブ ×10"}
        << CaptureInfo{Noon, "COM10", "32x24", "立ち上がり 5 ns プローブ ×10"};
    QTest::newRow("CR LF and a paragraph break")
        << screen << CaptureInfo{Noon, "COM1", "32x24", "first\r\nsecond\u2029third"}
        << CaptureInfo{Noon, "COM1", "32x24", "first second third"};
    QTest::newRow("loaded from a file: no port, no note, its own size")
        << palettePicture() << CaptureInfo{Noon, {}, {}, {}} << CaptureInfo{Noon, {}, "5x3", {}};
    // Qt compresses a field from 40 characters on; a repeated text inflates to many times its
    // compressed size.
    const QString longLatin = QStringLiteral("ripple on the 5 V rail, ") + QString(60, u'-');
    QTest::newRow("long note") << screen << CaptureInfo{Noon, "COM1", "32x24", longLatin}
                               << CaptureInfo{Noon, "COM1", "32x24", longLatin};
    const QString longJapanese = QStringLiteral("電源リップル  ").repeated(30);
    QTest::newRow("long Japanese note, two spaces kept")
        << screen << CaptureInfo{Noon, "COM1", "32x24", longJapanese}
        << CaptureInfo{Noon, "COM1", "32x24", longJapanese};
    QTest::newRow("translucent") << translucentPicture() << CaptureInfo{Noon, "COM2", "4x4", "α"}
                                 << CaptureInfo{Noon, "COM2", "4x4", "α"};
}

void TestCaptureStore::roundTrip()
{
    QFETCH(QImage, picture);
    QFETCH(CaptureInfo, info);
    QFETCH(CaptureInfo, read);
    const QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("new/captures"));
    const CaptureStore store(folder);
    const CaptureStore::Added added = store.add(picture, info);
    QVERIFY2(added.outcome, qPrintable(added.outcome.reason()));
    QCOMPARE(added.path, QDir(folder).filePath(nameAt(info.time)));

    const std::optional<CaptureInfo> written = CaptureStore::readInfo(added.path);
    QVERIFY(written);
    QCOMPARE(*written, read);
    const CaptureStore::Listing listing = store.list();
    QCOMPARE(listing.captures.size(), 1);
    QCOMPARE(listing.captures.first().path, added.path);
    QCOMPARE(listing.captures.first().info, read);
    QCOMPARE(listing.skipped, QStringList());
    QImage loaded;
    QVERIFY(PictureIo::load(added.path, loaded));
    QCOMPARE(loaded.convertToFormat(QImage::Format_ARGB32),
             picture.convertToFormat(QImage::Format_ARGB32));

    QVERIFY(textBeforePixels(ReadTestFile(added.path)));
    QCOMPARE(loaded.text(QStringLiteral("Software")), QStringLiteral("Orvisnap"));
    const QString time = loaded.text(CaptureInfo::TimeKey);
    const QRegularExpression withOffset(
        QStringLiteral("T\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"));
    QVERIFY2(time.contains(withOffset), qPrintable(time));
    QCOMPARE(filesIn(folder), QStringList{nameAt(info.time)});
}

// By the name alone, newest first: "_10" after "_2", as FileNames numbers them.
void TestCaptureStore::order()
{
    const QTemporaryDir dir;
    const QStringList captures = {"DSO_2026-01-02_03-04-05_10.png", "DSO_2026-01-02_03-04-05_2.png",
                                  "DSO_2026-01-02_03-04-05.png", "DSO_2025-12-31_23-59-59.png"};
    addInFolder(dir.path(), captures);
    addInFolder(dir.path(), Foreign);
    addInFolder(dir.path(), {"DSO_2026-13-02_03-04-05.png", "DSO_2026-01-02_03-04-05.png.a1B2c3",
                             "DSO_2026-1-02_03-04-05.png", "DSO_2026-01-02_03-04-05_x.png",
                             "DSO_2026-01-02_03-04-05_.png", "DSO_２０２６-01-02_03-04-05.png"});
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DSO_2027-01-01_00-00-00.png")));
    QCOMPARE(fileNames(CaptureStore(dir.path()).paths()), captures);
    QCOMPARE(CaptureStore(QString()).paths(), QStringList()); // not the current folder's
}

void TestCaptureStore::limit_data()
{
    QTest::addColumn<int>("keep");
    QTest::addColumn<QStringList>("existing"); // newest first
    QTest::addColumn<QString>("written");      // empty: off
    QTest::addColumn<QStringList>("after");    // newest first
    const QString now = nameAt(Noon);          // the new capture's
    QTest::newRow("below the limit") << 5 << QStringList{"DSO_2025-01-01_10-00-00.png"} << now
                                     << QStringList{now, "DSO_2025-01-01_10-00-00.png"};
    QTest::newRow("at the limit: the oldest goes")
        << 3
        << QStringList{"DSO_2026-01-01_11-00-00.png", "DSO_2026-01-01_10-00-00_2.png",
                       "DSO_2026-01-01_10-00-00.png"}
        << now << QStringList{now, "DSO_2026-01-01_11-00-00.png", "DSO_2026-01-01_10-00-00_2.png"};
    QTest::newRow("limit lowered by hand: all above it go")
        << 2
        << QStringList{"DSO_2025-01-04_10-00-00.png", "DSO_2025-01-03_10-00-00.png",
                       "DSO_2025-01-02_10-00-00.png", "DSO_2025-01-01_10-00-00.png"}
        << now << QStringList{now, "DSO_2025-01-04_10-00-00.png"};
    QTest::newRow("clock set back: the new one stays")
        << 2 << QStringList{"DSO_2026-06-02_10-00-00.png", "DSO_2026-06-01_10-00-00.png"} << now
        << QStringList{"DSO_2026-06-02_10-00-00.png", now};
    QTest::newRow("same second: a name of its own")
        << 3 << QStringList{now} << "DSO_2026-01-01_12-00-00_2.png"
        << QStringList{"DSO_2026-01-01_12-00-00_2.png", now};
    const QStringList two{"DSO_2025-01-02_10-00-00.png", "DSO_2025-01-01_10-00-00.png"};
    QTest::newRow("keep 0: off, nothing removed") << 0 << two << "" << two;
    QTest::newRow("keep -1: off") << -1 << two << "" << two;
}

void TestCaptureStore::limit()
{
    QFETCH(int, keep);
    QFETCH(QStringList, existing);
    QFETCH(QString, written);
    QFETCH(QStringList, after);
    const QTemporaryDir dir;
    addInFolder(dir.path(), existing);
    addInFolder(dir.path(), Foreign);
    const CaptureStore store(dir.path(), keep);
    QCOMPARE(store.isOn(), !written.isEmpty());
    const CaptureStore::Added added = store.add(Checkerboard({4, 2}), {Noon, "COM3", {}, {}});
    QVERIFY2(added.outcome, qPrintable(added.outcome.reason()));
    QCOMPARE(QFileInfo(added.path).fileName(), written);
    QCOMPARE(fileNames(store.paths()), after);
    for (const QString& name : Foreign)
        QVERIFY2(QFile::exists(dir.filePath(name)), qPrintable(name));
}

void TestCaptureStore::damaged_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray png = PictureIo::encode(
        CaptureStore::withInfo(Checkerboard({40, 30}), {Noon, "COM1", {}, "n"}), "PNG");
    const QByteArray end = png.right(12);
    QTest::newRow("cut in half") << png.left(png.size() / 2);
    QTest::newRow("cut in its last byte") << png.chopped(1);
    QTest::newRow("zero bytes") << QByteArray("");
    QTest::newRow("text") << QByteArray("Trace notes\r\n");
    QTest::newRow("a BMP") << PictureIo::encodeBmp(Checkerboard({4, 2}));
    QTest::newRow("a PNG's first and last bytes, junk between")
        << png.left(8) + QByteArray(64, '\x7f') + end;
}

// Named as a capture, but no picture: listed as skipped, left alone, not written over.
void TestCaptureStore::damaged()
{
    QFETCH(QByteArray, content);
    const QTemporaryDir dir;
    const CaptureStore store(dir.path());
    const CaptureStore::Added good = store.add(Checkerboard({4, 2}), {Noon, "COM1", {}, "good"});
    QVERIFY(good.outcome);
    const QString path = dir.filePath(QStringLiteral("DSO_2026-02-01_00-00-00.png"));
    WriteTestFile(path, content);

    QVERIFY(!CaptureStore::readInfo(path));
    const CaptureStore::Listing listing = store.list();
    QCOMPARE(listing.captures.size(), 1);
    QCOMPARE(listing.captures.first().path, good.path);
    QCOMPARE(listing.skipped.size(), 1);
    QVERIFY2(listing.skipped.first().contains(path), qPrintable(listing.skipped.first()));
    const Outcome noted = CaptureStore::setNote(path, QStringLiteral("x"));
    QVERIFY(!noted);
    QVERIFY2(noted.reason().contains(path), qPrintable(noted.reason()));
    QCOMPARE(ReadTestFile(path), content);
}

void TestCaptureStore::noRoom_data()
{
    QTest::addColumn<bool>("fullDisk"); // else a file-size limit, which fails alike
    QTest::newRow("full disk") << true;
    QTest::newRow("size limit") << false;
}

// Nothing of the new file stays, and the old ones do: the limit is not applied for a failure.
void TestCaptureStore::noRoom()
{
    QFETCH(bool, fullDisk);
    const QTemporaryDir root;
    const QString disk = root.filePath(QStringLiteral("disk"));
    std::optional<TmpfsMount> tmpfs;
    if (fullDisk) {
        tmpfs.emplace(disk, 256);
        if (!tmpfs->ok())
            QSKIP(qPrintable("cannot mount a tmpfs here, the full disk goes untested: " +
                             tmpfs->why()));
    }
    const QString folder = disk + QStringLiteral("/captures");
    const CaptureStore store(folder, 1);
    const CaptureStore::Added old =
        store.add(Checkerboard({4, 2}), {at("2025-01-01 00:00:00"), {}, {}, {}});
    QVERIFY2(old.outcome, qPrintable(old.outcome.reason()));
    const QStringList before = filesIn(folder);
    if (tmpfs)
        tmpfs->fill(QStringLiteral("filler"));

    CaptureStore::Added added;
    {
        std::optional<FileSizeLimit> limit;
        if (!fullDisk) {
            limit.emplace(64);
            if (!limit->active())
                QSKIP("needs a file-size limit");
        }
        added = store.add(Checkerboard({64, 48}), {Noon, "COM1", {}, "lost"});
    }
    QVERIFY(!added.outcome);
    const QString path = QDir(folder).filePath(nameAt(Noon));
    QVERIFY2(added.outcome.reason().contains(path), qPrintable(added.outcome.reason()));
    QCOMPARE(added.path, QString());
    QCOMPARE(filesIn(folder), before);
}

void TestCaptureStore::refused()
{
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a file"));
    WriteTestFile(file, "x");
    const CaptureStore::Added inFile =
        CaptureStore(file).add(Checkerboard({2, 2}), {Noon, {}, {}, {}});
    QVERIFY(!inFile.outcome);
    QVERIFY2(inFile.outcome.reason().contains(file), qPrintable(inFile.outcome.reason()));

    const CaptureStore store(dir.filePath(QStringLiteral("captures")));
    const CaptureStore::Added nothing = store.add(QImage(), {Noon, {}, {}, {}});
    QVERIFY(!nothing.outcome);
    QVERIFY2(nothing.outcome.reason().contains(store.folder()),
             qPrintable(nothing.outcome.reason()));
    QCOMPARE(filesIn(dir.path()), QStringList{"a file"});
}

void TestCaptureStore::setNote_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("read");
    QTest::newRow("RGB") << Checkerboard({6, 4}) << "rise 5 ns\nfall 6 ns"
                         << "rise 5 ns fall 6 ns";
    QTest::newRow("palette") << palettePicture() << "ノイズ"
                             << "ノイズ";
    QTest::newRow("translucent, note cleared") << translucentPicture() << ""
                                               << "";
}

// The pixels exactly, and every other field, the program's or not.
void TestCaptureStore::setNote()
{
    QFETCH(QImage, picture);
    QFETCH(QString, note);
    QFETCH(QString, read);
    const QTemporaryDir dir;
    picture.setText(QStringLiteral("Author"), QStringLiteral("bench 3"));
    const CaptureInfo info{at("2026-03-04 05:06:07"), "COM4", "320x240", "old note"};
    const CaptureStore::Added added = CaptureStore(dir.path()).add(picture, info);
    QVERIFY(added.outcome);
    QImage before;
    QVERIFY(PictureIo::load(added.path, before));

    const Outcome noted = CaptureStore::setNote(added.path, note);
    QVERIFY2(noted, qPrintable(noted.reason()));
    CaptureInfo expected = info;
    expected.note = read;
    const std::optional<CaptureInfo> stored = CaptureStore::readInfo(added.path);
    QVERIFY(stored);
    QCOMPARE(*stored, expected);
    QImage after;
    QVERIFY(PictureIo::load(added.path, after));
    QCOMPARE(after.format(), before.format());
    QCOMPARE(after.colorTable(), before.colorTable());
    QCOMPARE(after, before);
    for (const char* key : {"Author", "Software", "Creation Time", "Port", "Picture Size"})
        QCOMPARE(after.text(QLatin1String(key)), before.text(QLatin1String(key)));
    QCOMPARE(filesIn(dir.path()), QStringList{QFileInfo(added.path).fileName()});
}

void TestCaptureStore::remove()
{
    const QTemporaryDir dir;
    const CaptureStore store(dir.path());
    const CaptureStore::Added added = store.add(Checkerboard({2, 2}), {Noon, {}, {}, {}});
    QVERIFY(added.outcome);
    const Outcome removed = CaptureStore::remove(added.path);
    QVERIFY2(removed, qPrintable(removed.reason()));
    QVERIFY(!QFileInfo::exists(added.path));
    QCOMPARE(store.paths(), QStringList());
    const Outcome again = CaptureStore::remove(added.path);
    QVERIFY(!again);
    QVERIFY2(again.reason().contains(added.path), qPrintable(again.reason()));
}

void TestCaptureStore::folderFor_data()
{
    // Relative to a folder of the test's: the program's, the settings', the user's data.
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("expected");
    QTest::newRow("portable: beside the program") << "app/Orvisnap.ini"
                                                  << "app"
                                                  << "app/captures";
    QTest::newRow("the program's folder as given, with a slash") << "app/Orvisnap.ini"
                                                                 << "app/"
                                                                 << "app/captures";
    QTest::newRow("the same folder by another way") << "app/./sub/../Orvisnap.ini"
                                                    << "app"
                                                    << "app/captures";
    QTest::newRow("installed: settings in the configuration folder")
        << "config/Orvisnap/Orvisnap.ini"
        << "app"
        << "data/captures";
    QTest::newRow("settings in a folder below the program's") << "app/sub/Orvisnap.ini"
                                                              << "app"
                                                              << "data/captures";
    QTest::newRow("settings in a folder of a longer name") << "app2/Orvisnap.ini"
                                                           << "app"
                                                           << "data/captures";
    QTest::newRow("no settings file") << ""
                                      << "app"
                                      << "data/captures";
}

void TestCaptureStore::folderFor()
{
    QFETCH(QString, settings);
    QFETCH(QString, exe);
    QFETCH(QString, expected);
    const QTemporaryDir dir;
    const auto in = [&dir](const QString& path) {
        return path.isEmpty() ? path : dir.filePath(path);
    };
    QCOMPARE(CaptureStore::folderFor(in(settings), in(exe), in(QStringLiteral("data"))),
             QDir::cleanPath(in(expected)));
}

QTEST_GUILESS_MAIN(TestCaptureStore)
#include "test_capturestore.moc"
