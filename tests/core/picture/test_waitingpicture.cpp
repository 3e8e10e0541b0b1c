// The picture shown while a download waits, in the user's language: English is the built-in
// picture itself; a translation keeps its paper, palette and place and the instrument's key
// names, and its text is never cut.
#include "translated.h"
#include "waitingpicture.h"

#include <QImage>
#include <QTest>

#include <optional>
#include <set>

namespace {

const QList<QSize> Sizes{{128, 64}, {256, 128}, {512, 256}};
constexpr int Navy = 4;
constexpr int White = 255;

QImage builtIn(QSize size)
{
    return QImage(QStringLiteral(ORVISNAP_SOURCE_DIR "/resources/pictures/TXT%1x%2.bmp")
                      .arg(size.width())
                      .arg(size.height()),
                  "BMP");
}

// The first pixel outside the text area that is not as in English.
std::optional<QPoint> changedOutsideText(const QImage& picture, const QImage& english)
{
    const QRect area = WaitingPicture::textArea(english.size());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!area.contains(x, y) && picture.pixelIndex(x, y) != english.pixelIndex(x, y))
                return QPoint(x, y);
    return std::nullopt;
}

} // namespace

class TestWaitingPicture : public QObject {
    Q_OBJECT
private slots:
    void inEachLanguage_data();
    void inEachLanguage();
    void textThatCannotFitIsNeverCut_data();
    void textThatCannotFitIsNeverCut();
};

void TestWaitingPicture::inEachLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("size");
    for (const QString& language : QStringList{""} + TranslatedLanguages())
        for (const QSize& size : Sizes)
            QTest::addRow("%s %dx%d", language.isEmpty() ? "en" : qPrintable(language),
                          size.width(), size.height())
                << language << size;
}

void TestWaitingPicture::inEachLanguage()
{
    QFETCH(QString, language);
    QFETCH(QSize, size);
    const Translated translated(language);
    const QImage english = builtIn(size);
    const QImage picture = WaitingPicture::translated(english);
    if (language.isEmpty()) {
        QCOMPARE(english.size(), size);
        QCOMPARE(picture, english);
        return;
    }
    // What the painter is given: the instrument's key names, in a translation of its own.
    const WaitingPicture::Steps steps = WaitingPicture::steps(size);
    QVERIFY(steps.hold != WaitingPicture::englishSteps().hold);
    QVERIFY(steps.level != WaitingPicture::englishSteps().level);
    QVERIFY2(steps.hold.contains("OK") && steps.hold.contains("HOLD"), qPrintable(steps.hold));
    QVERIFY2(steps.level.contains("LEVEL"), qPrintable(steps.level));

    QVERIFY2(picture != english, "left in English: the translation does not fit");
    QCOMPARE(picture.format(), QImage::Format_Indexed8);
    QCOMPARE(picture.colorTable(), english.colorTable());
    if (const auto changed = changedOutsideText(picture, english))
        QFAIL(qPrintable(QStringLiteral("(%1, %2) changed").arg(changed->x()).arg(changed->y())));
    std::set<int> used;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            used.insert(picture.pixelIndex(x, y));
    QVERIFY(used.count(Navy) && used.count(White));
    // The smallest picture's letters are navy and white only, as its English ones; Han
    // characters are smoothed there too.
    if (size.width() == 128 && language != "zh_CN" && language != "ja")
        QCOMPARE(used, (std::set<int>{Navy, White}));
}

void TestWaitingPicture::textThatCannotFitIsNeverCut_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("hold");
    QTest::addColumn<bool>("drawn");
    const QString german = "„OK“ drücken, um das DSO in den HOLD-Modus zu schalten";
    const QString word = "Oszilloskopbedienungsanleitungsverzeichnis";
    QTest::newRow("a long step wraps") << QSize(128, 64) << german << true;
    QTest::newRow("into many lines") << QSize(256, 128) << german + ' ' + german << true;
    QTest::newRow("too many lines") << QSize(128, 64) << german + ' ' + german << false;
    QTest::newRow("a word wider than the lines") << QSize(128, 64) << word << false;
    QTest::newRow("Han too many") << QSize(128, 64) << QString(60, QChar(0x793A)) << false;
}

// A text that fits no legible size leaves the English picture; one that fits stays inside.
void TestWaitingPicture::textThatCannotFitIsNeverCut()
{
    QFETCH(QSize, size);
    QFETCH(QString, hold);
    QFETCH(bool, drawn);
    const QImage english = builtIn(size);
    const QImage picture = WaitingPicture::draw(english, {hold, "„LEVEL“ drücken"});
    QCOMPARE(picture != english, drawn);
    QVERIFY(!changedOutsideText(picture, english));
}

QTEST_MAIN(TestWaitingPicture)
#include "test_waitingpicture.moc"
