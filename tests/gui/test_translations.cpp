// The program in the user's language: which language is taken, the windows in a translation,
// room for every translated text, and a name for every control a screen reader comes to.
#include "aboutdialog.h"
#include "picturesizes.h"
#include "pictureview.h"
#include "portdialog.h"
#include "scaledimage.h"
#include "textfit.h"
#include "timingsdialog.h"
#include "translated.h"
#include "translations.h"
#include "windowsfixture.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {
const QStringList Available = TranslatedLanguages();

// The main window and its three dialogs, each opened once so that it exists.
QList<QWidget*> windowsOf(WindowsFixture& fixture)
{
    MainWindow& window = fixture.window();
    QTimer::singleShot(0, &window, [&window] { window.findChild<PortDialog*>()->reject(); });
    fixture.action("portSettingsAction").trigger();
    fixture.action("timingsAction").trigger();
    fixture.action("aboutAction").trigger();
    return {&window, window.findChild<PortDialog*>(), window.findChild<TimingsDialog*>(),
            window.findChild<AboutDialog*>()};
}
} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { fixture_.reset(); }
    void choose_data();
    void choose();
    void windowsSpeakTheLanguage_data();
    void windowsSpeakTheLanguage();
    void everyTextHasRoom_data();
    void everyTextHasRoom();
    void waitingPictureSpeaksTheLanguage_data();
    void waitingPictureSpeaksTheLanguage();
    void everyControlHasAName();

private:
    WindowsFixture fixture_;
};

void TestTranslations::choose_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("the system's first") << "" << QStringList{"de-AT", "fr-FR"} << "de";
    QTest::newRow("English before a translation") << "" << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("none available") << "" << QStringList{"nl-NL", "sv-SE"} << "";
    QTest::newRow("a later one available") << "" << QStringList{"nl-NL", "pl-PL"} << "pl";
    QTest::newRow("Brazilian by region") << "" << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal too") << "" << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Simplified Chinese") << "" << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("not Traditional Chinese") << "" << QStringList{"zh-Hant-TW"} << "";
    QTest::newRow("the setting first") << "ja" << QStringList{"de-DE"} << "ja";
    QTest::newRow("English by setting") << "en" << QStringList{"de-DE"} << "";
    QTest::newRow("a setting with a region") << "ru_RU" << QStringList{"de-DE"} << "ru";
    QTest::newRow("a setting not available") << "nl" << QStringList{"de-DE"} << "";
    QTest::newRow("the C locale") << "" << QStringList{"C"} << "";
}

void TestTranslations::choose()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, system);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::choose(setting, system, Available), chosen);
}

void TestTranslations::windowsSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("C: the source texts") << "";
    QTest::newRow("German") << "de";
}

void TestTranslations::windowsSpeakTheLanguage()
{
    QFETCH(QString, language);
    const Translated translated(language);
    fixture_.start();
    const QStringList english{"File", "Settings", "About", "Download from DSO", "Cancel"};
    const QStringList contexts{"MainWindow", "MainWindow", "MainWindow", "DownloadController",
                               "DownloadController"};
    const QStringList shown{
        fixture_.find<QMenu>("fileMenu").title(), fixture_.find<QMenu>("settingsMenu").title(),
        fixture_.action("aboutAction").text(), fixture_.button("downloadButton").text(),
        fixture_.button("cancelDownloadButton").text()};
    if (language.isEmpty()) {
        QCOMPARE(shown, english);
        return;
    }
    for (int i = 0; i < english.size(); ++i) {
        QVERIFY2(shown[i] != english[i], qPrintable(shown[i]));
        QCOMPARE(shown[i], QCoreApplication::translate(contexts[i].toLatin1().constData(),
                                                       english[i].toUtf8().constData()));
    }
}

void TestTranslations::everyTextHasRoom_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "";
    for (const QString& language : Available)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTextHasRoom()
{
    QFETCH(QString, language);
    const Translated translated(language);
    fixture_.start();
    fixture_.action("loggingAction").trigger(); // the log's buttons shown too
    for (QWidget* window : windowsOf(fixture_))
        for (const QWidget* widget : window->findChildren<QWidget*>())
            QVERIFY2(TextFit::showsAllText(widget),
                     qPrintable(window->objectName() + ": " + widget->objectName()));
}

void TestTranslations::waitingPictureSpeaksTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English: the built-in picture") << "";
    QTest::newRow("German") << "de";
    QTest::newRow("Japanese") << "ja";
}

// The picture shown while a download waits for the instrument.
void TestTranslations::waitingPictureSpeaksTheLanguage()
{
    QFETCH(QString, language);
    const Translated translated(language);
    fixture_.start();
    for (const PictureSize& size : PictureSizes::all()) {
        fixture_.action(QLatin1String(size.actionName)).trigger();
        fixture_.find<PictureView>("pictureView").showWaiting();
        const QImage builtIn(":/pictures/" + QString::fromLatin1(size.waitBitmap).toUpper(), "BMP");
        const QImage shown = fixture_.find<ScaledImage>("picture").image();
        QCOMPARE(shown.size(), builtIn.size());
        QCOMPARE(shown == builtIn, language.isEmpty());
    }
}

void TestTranslations::everyControlHasAName()
{
    fixture_.start();
    for (QWidget* window : windowsOf(fixture_))
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QMenuBar*>(widget) ||
                widget->parentWidget()->inherits("QComboBox") ||
                widget->parentWidget()->inherits("QAbstractScrollArea"))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(window->objectName() + ": " + widget->objectName()));
        }
    QVERIFY(fixture_.find<ScaledImage>("picture").accessibleName().contains("128 x 64"));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
