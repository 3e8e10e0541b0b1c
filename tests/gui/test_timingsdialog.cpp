// The Timings dialog as the window opens it: given the timings, handing them back on OK only.
#include "timingsdialog.h"
#include "windowsfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

class TestTimingsDialog : public QObject {
    Q_OBJECT

    WindowsFixture fixture_;

    [[nodiscard]] MainWindow& main() { return fixture_.window(); }
    [[nodiscard]] TimingsDialog& open()
    {
        fixture_.action("timingsAction").trigger();
        return *main().findChild<TimingsDialog*>();
    }
    [[nodiscard]] QSlider& bar(const QString& name)
    {
        return *main().findChild<TimingsDialog*>()->findChild<QSlider*>(name);
    }
    [[nodiscard]] QPushButton& button(const QString& name)
    {
        return *main().findChild<TimingsDialog*>()->findChild<QPushButton*>(name);
    }
    [[nodiscard]] QStringList shownValues()
    {
        QStringList shown;
        for (const char* name : {"timeoutValue", "rxDelayValue", "nakDelayValue"})
            shown << main().findChild<TimingsDialog*>()->findChild<QLabel*>(name)->text();
        return shown;
    }
    [[nodiscard]] QList<int> stored()
    {
        const DownloadTimings t = main().timings();
        return {t.timeoutSeconds, t.rxDelayMs, t.nakDelayMs};
    }

private slots:
    void init() { fixture_.start(); }
    void cleanup() { fixture_.reset(); }

    void showingLoadsAndClampsOkStores_data()
    {
        QTest::addColumn<QList<int>>("values"); // Timeout, RxDelay, NAKDelay
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("defaults") << QList<int>{10, 30, 30} << QStringList{"10", "30", "30"};
        QTest::newRow("below range") << QList<int>{3, 9, -1} << QStringList{"5", "10", "10"};
        QTest::newRow("above range") << QList<int>{31, 250, 250} << QStringList{"30", "100", "100"};
        QTest::newRow("at the limits") << QList<int>{30, 10, 100} << QStringList{"30", "10", "100"};
    }

    void showingLoadsAndClampsOkStores()
    {
        QFETCH(QList<int>, values);
        QFETCH(QStringList, shown);
        main().setTimings({values[0], values[1], values[2]});
        TimingsDialog& dialog = open();
        QVERIFY(dialog.isVisible() && !dialog.isModal());
        QCOMPARE(shownValues(), shown);
        const QPoint offCentre = dialog.frameGeometry().center() - main().frameGeometry().center();
        QVERIFY(offCentre.manhattanLength() < 40);
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored(), QList<int>({shown[0].toInt(), shown[1].toInt(), shown[2].toInt()}));
    }

    void movedBarShowsAtOnceAndCancelDiscards()
    {
        main().setTimings({3, 30, 30});
        TimingsDialog& dialog = open();
        QTest::keyClick(&bar("timeoutBar"), Qt::Key_Right);
        QTest::keyClick(&bar("rxDelayBar"), Qt::Key_PageUp);
        QTest::keyClick(&bar("nakDelayBar"), Qt::Key_Left);
        QCOMPARE(shownValues(), QStringList({"6", "32", "29"}));
        QTest::mouseClick(&button("cancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored(), QList<int>({3, 30, 30}));

        (void)open();
        QCOMPARE(bar("rxDelayBar").value(), 30);
        QCOMPARE(shownValues(), QStringList({"5", "30", "30"}));
        QTest::keyClick(&bar("rxDelayBar"), Qt::Key_End);
        (void)open(); // already open: brought to the front, not reloaded
        QCOMPARE(shownValues().value(1), "100");
        dialog.close(); // the close box discards like Cancel
        QVERIFY(!dialog.isVisible());
        QCOMPARE(main().timings().rxDelayMs, 30);
    }

    void keysDoNotCloseOrCopy()
    {
        TimingsDialog& dialog = open();
        QTest::keyClick(&bar("timeoutBar"), Qt::Key_Right);
        for (QWidget* focus :
             std::initializer_list<QWidget*>{&bar("timeoutBar"), &button("okButton")}) {
            QTest::keyClick(focus, Qt::Key_Escape);
            QTest::keyClick(focus, Qt::Key_Return);
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(main().timings().timeoutSeconds, 10);
    }

    void designPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QColor>("textColour"); // invalid: not checked

        QTest::newRow("timingsBox") << "timingsBox" << QRect(8, 8, 353, 225) << QColor();
        QTest::newRow("timeoutTitle")
            << "timeoutTitle" << QRect(24, 8, 153, 13) << QColor(0, 0, 128);
        QTest::newRow("rxDelayValue")
            << "rxDelayValue" << QRect(24, 100, 41, 13) << QColor(128, 0, 0);
        QTest::newRow("nakDelayUnit")
            << "nakDelayUnit" << QRect(72, 172, 95, 13) << QColor(0, 0, 0);
        QTest::newRow("nakDelayBar") << "nakDelayBar" << QRect(16, 184, 161, 25) << QColor();
        QTest::newRow("timeoutHelp")
            << "timeoutHelp" << QRect(200, 8, 129, 57) << QColor(0, 128, 128);
        QTest::newRow("rxDelayHelp")
            << "rxDelayHelp" << QRect(200, 80, 137, 57) << QColor(0, 128, 128);
        QTest::newRow("nakDelayHelp")
            << "nakDelayHelp" << QRect(200, 152, 137, 57) << QColor(0, 128, 128);
        QTest::newRow("secondRule") << "secondRule" << QRect(16, 144, 321, 2) << QColor();
        QTest::newRow("okButton") << "okButton" << QRect(280, 248, 75, 25) << QColor();
    }

    void designPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QColor, textColour);
        TimingsDialog& dialog = open();
        QCOMPARE(dialog.size(), QSize(369, 289));
        const auto* control = dialog.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
        if (textColour.isValid())
            QCOMPARE(control->palette().color(QPalette::WindowText), textColour);
        // Wrapped explanations must show their last line, whatever font stands in.
        if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap())
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
};

QTEST_MAIN(TestTimingsDialog)
#include "test_timingsdialog.moc"
