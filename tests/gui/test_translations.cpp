// The program in the user's language: which language is taken, the windows in a translation,
// room for every translated text, and a name for every control a screen reader comes to.
#include "aboutdialog.h"
#include "autosave.h"
#include "endingtable.h"
#include "pictureio.h"
#include "picturesizes.h"
#include "pictureview.h"
#include "portdialog.h"
#include "scaledimage.h"
#include "scriptedprompts.h"
#include "statuspanels.h"
#include "testpictures.h"
#include "textfit.h"
#include "timingsdialog.h"
#include "translated.h"
#include "translations.h"
#include "windowsfixture.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
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
    void grownControlsKeepTheirRoom_data();
    void grownControlsKeepTheirRoom();
    void waitingPictureSpeaksTheLanguage_data();
    void waitingPictureSpeaksTheLanguage();
    void statusBarJoinsTheEndingAndTheSave_data();
    void statusBarJoinsTheEndingAndTheSave();
    void pictureSizeCountedInTheLanguage_data();
    void pictureSizeCountedInTheLanguage();
    void stopBitsAsTechnicalNotation_data();
    void stopBitsAsTechnicalNotation();
    void everyControlHasAName();

private:
    // Every control's geometry in the English windows (window/control), made once: the windows
    // are slow to make under Wine.
    [[nodiscard]] const QHash<QString, QRect>& englishGeometry();

    WindowsFixture fixture_;
    QHash<QString, QRect> english_;
};

const QHash<QString, QRect>& TestTranslations::englishGeometry()
{
    if (!english_.isEmpty())
        return english_;
    fixture_.start();
    for (QWidget* window : windowsOf(fixture_)) {
        english_.insert(window->objectName(), window->rect());
        for (const QWidget* widget : window->findChildren<QWidget*>())
            if (widget->window() == window)
                english_.insert(window->objectName() + '/' + widget->objectName(),
                                widget->geometry());
    }
    fixture_.reset();
    return english_;
}

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

void TestTranslations::grownControlsKeepTheirRoom_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : Available)
        QTest::newRow(qPrintable(language)) << language;
}

// Compared with the English windows: a control grown for its text leaves room around the text,
// nothing that stood apart overlaps, the dialogs' buttons keep to their right edge and the bars
// span their group box as before.
void TestTranslations::grownControlsKeepTheirRoom()
{
    QFETCH(QString, language);
    const QHash<QString, QRect>& english = englishGeometry();
    const Translated translated(language);
    fixture_.start();
    for (QWidget* window : windowsOf(fixture_)) {
        const QString prefix = window->objectName() + '/';
        QList<const QWidget*> controls;
        for (const QWidget* widget : window->findChildren<QWidget*>())
            if (widget->window() == window && !widget->objectName().isEmpty() &&
                (qobject_cast<const QLabel*>(widget) || qobject_cast<const QPushButton*>(widget) ||
                 qobject_cast<const QComboBox*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
                 qobject_cast<const QAbstractSlider*>(widget)))
                controls << widget;
        for (const QWidget* control : controls) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const auto* button = qobject_cast<const QPushButton*>(control);
            const QString text = label ? label->text() : button ? button->text() : QString();
            // Past a near fit, which takes up to two pixels without more room.
            const bool grown =
                control->width() > english.value(prefix + control->objectName()).width() + 2;
            if (!grown || text.isEmpty() || control->inherits("WrapButton") ||
                (label && label->wordWrap()))
                continue;
            const int room = control->width() - control->fontMetrics().horizontalAdvance(text);
            QVERIFY2(room >= (button ? 12 : 6),
                     qPrintable(QStringLiteral("%1%2: %3 wide (English %4), text %5")
                                    .arg(prefix, control->objectName())
                                    .arg(control->width())
                                    .arg(english.value(prefix + control->objectName()).width())
                                    .arg(control->width() - room)));
        }
        // What stood apart still does; what stood within a frame (the About card's) still does.
        for (const QWidget* a : controls)
            for (const QWidget* b : controls) {
                const QRect wasA = english.value(prefix + a->objectName());
                const QRect wasB = english.value(prefix + b->objectName());
                const QString pair = prefix + a->objectName() + ", " + b->objectName();
                if (a == b || a->parentWidget() != b->parentWidget())
                    continue;
                if (!wasA.intersects(wasB))
                    QVERIFY2(!a->geometry().intersects(b->geometry()), qPrintable(pair));
                else if (wasA.contains(wasB))
                    QVERIFY2(a->geometry().contains(b->geometry()), qPrintable(pair));
            }
        const int englishWidth = english.value(window->objectName()).width();
        for (const QWidget* control : controls)
            if (control->objectName() == "okButton" && window->objectName() != "aboutDialog" &&
                window != &fixture_.window()) {
                const int distance = window->width() - control->geometry().right();
                const QString name = prefix + control->objectName();
                QVERIFY2(distance > 0 && distance <= englishWidth - english.value(name).right(),
                         qPrintable(name));
            }
    }
    const auto* timings = fixture_.window().findChild<TimingsDialog*>();
    const int boxGrowth = timings->findChild<QWidget*>("timingsBox")->width() -
                          english.value("timingsDialog/timingsBox").width();
    for (const QString bar : {"firstRule", "secondRule"})
        QCOMPARE(timings->findChild<QWidget*>(bar)->width(),
                 english.value("timingsDialog/" + bar).width() + boxGrowth);
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

void TestTranslations::statusBarJoinsTheEndingAndTheSave_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("before"); // what stands before the saved file's name
    QTest::addColumn<QString>("after");
    QTest::newRow("English") << ""
                             << "Received 38 KB. Saved "
                             << "";
    QTest::newRow("French: kilo-octets") << "fr"
                                         << "38\u00a0Ko reçus. Enregistré\u00a0: "
                                         << "";
    QTest::newRow("Russian") << "ru"
                             << "Получено 38 КБ. Сохранено: "
                             << "";
    QTest::newRow("Japanese: a full stop of its own, no space") << "ja"
                                                                << "38 KB を受信しました。"
                                                                << " を保存しました";
    QTest::newRow("Chinese") << "zh_CN"
                             << "已接收 38 KB。已保存 "
                             << "";
}

// A download's ending in the status bar, then the name of the picture saved into the folder.
void TestTranslations::statusBarJoinsTheEndingAndTheSave()
{
    QFETCH(QString, language);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const Translated translated(language);
    fixture_.start();
    fixture_.window().findChild<StatusPanels*>()->setDownloadText(
        EndingTable::status(DownloadEnding::Complete, 38));
    AutoSave& autoSave = *fixture_.window().findChild<AutoSave*>();
    autoSave.setFolder(fixture_.dir().path());
    autoSave.pictureArrived(PictureIo::encodeBmp(Checkerboard({9, 5})), Checkerboard({9, 5}));
    const QString shown = fixture_.statusText("messagePanel");
    QVERIFY2(shown.startsWith(before) && shown.endsWith(after), qPrintable(shown));
    const QString name = shown.mid(before.size(), shown.size() - before.size() - after.size());
    QVERIFY2(QRegularExpression("^DSO_[-_0-9]+\\.png$").match(name).hasMatch(), qPrintable(name));
}

void TestTranslations::pictureSizeCountedInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("name");
    QTest::newRow("English") << "" << QSize(128, 64) << "Picture from a file, 128 x 64 pixels";
    QTest::newRow("Polish: 2 to 4") << "pl" << QSize(128, 64) << "Obraz z pliku, 128 x 64 piksele";
    QTest::newRow("Polish: 12 to 14") << "pl" << QSize(30, 12) << "Obraz z pliku, 30 x 12 pikseli";
    QTest::newRow("Polish: 22") << "pl" << QSize(30, 22) << "Obraz z pliku, 30 x 22 piksele";
    QTest::newRow("Polish: others")
        << "pl" << QSize(512, 256) << "Obraz z pliku, 512 x 256 pikseli";
    QTest::newRow("Polish: one") << "pl" << QSize(30, 1) << "Obraz z pliku, 30 x 1 piksel";
    QTest::newRow("German") << "de" << QSize(256, 128) << "Bild aus einer Datei, 256 x 128 Pixel";
}

// The picture's name for a screen reader, of a picture loaded from a file.
void TestTranslations::pictureSizeCountedInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QSize, size);
    QFETCH(QString, name);
    const Translated translated(language);
    fixture_.start();
    const QString path = fixture_.path("picture.bmp");
    QVERIFY(PictureIo::saveBmp(Checkerboard(size), path));
    fixture_.find<PictureView>("pictureView").showFile(path);
    QCOMPARE(fixture_.find<ScaledImage>("picture").accessibleName(), name);
}

void TestTranslations::stopBitsAsTechnicalNotation_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "";
    for (const QString language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru"})
        QTest::newRow(qPrintable(language + ": a decimal comma")) << language;
}

// One and a half stop bits read "1.5" as on the instrument and in every serial tool, also
// where the language writes a decimal comma.
void TestTranslations::stopBitsAsTechnicalNotation()
{
    QFETCH(QString, language);
    const Translated translated(language);
    const QLocale before;
    QLocale::setDefault(QLocale(language.isEmpty() ? QStringLiteral("en_US") : language));
    fixture_.start();
    QStringList entries;
    QTimer::singleShot(0, &fixture_.window(), [&] {
        auto* dialog = fixture_.window().findChild<PortDialog*>();
        const auto* list = dialog->findChild<QComboBox*>("stopBitsList");
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        dialog->reject();
    });
    fixture_.action("portSettingsAction").trigger();
    QLocale::setDefault(before);
    QCOMPARE(entries, QStringList({"1", "1.5", "2"}));
}

void TestTranslations::everyControlHasAName()
{
    fixture_.start();
    for (QWidget* window : windowsOf(fixture_))
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!(widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QMenuBar*>(widget) ||
                widget->window()->windowType() == Qt::Popup ||
                widget->parentWidget()->inherits("QComboBox") ||
                widget->parentWidget()->inherits("QAbstractScrollArea"))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(window->objectName() + ": " + widget->objectName() + " " +
                                widget->metaObject()->className()));
        }
    QVERIFY(fixture_.find<ScaledImage>("picture").accessibleName().contains("128 x 64"));
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
