// The main window's layout at each picture size, with and without the log; the picture scaled
// into its area; the window kept on its screen.
#include "picturesizes.h"
#include "pictureview.h"
#include "scaledimage.h"
#include "screenfit.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QFrame>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void init() { fixture_.start(); }
    void cleanup() { fixture_.reset(); }
    void sizes_data();
    void sizes();
    void loggingTwiceGivesBackTheSameGeometry();
    void sizeLimits();
    void logGrowsWithTheWindow();
    void pictureIsScaledIntoTheArea_data();
    void pictureIsScaledIntoTheArea();
    void sizeTableMakesMenuAndLayout();
    void screenFit_data();
    void screenFit();
    void windowStaysOnTheScreen();

private:
    [[nodiscard]] MainWindow& window() { return fixture_.window(); }
    // Where a part stands in the client area, under the menu bar.
    [[nodiscard]] QRect inClient(const QString& name)
    {
        const QWidget& part = fixture_.find<QWidget>(name);
        return {part.mapTo(window().centralWidget(), QPoint()), part.size()};
    }
    void choose(int bmpRes, bool logging);

    WindowsFixture fixture_;
};

void TestLayout::choose(int bmpRes, bool logging)
{
    if (fixture_.action("loggingAction").isChecked() != logging)
        fixture_.action("loggingAction").trigger();
    fixture_.action(QLatin1String(PictureSizes::withBmpRes(bmpRes)->actionName)).trigger();
}

void TestLayout::sizes_data()
{
    QTest::addColumn<int>("bmpRes");
    QTest::addColumn<bool>("logging");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("log");
    QTest::addColumn<int>("buttonsLeft");
    QTest::addColumn<int>("counterTop");
    QTest::newRow("128x64") << 1 << false << QSize(226, 101) << QRect() << 146 << 50;
    QTest::newRow("256x128") << 2 << false << QSize(354, 165) << QRect() << 274 << 108;
    QTest::newRow("512x256") << 3 << false << QSize(610, 293) << QRect() << 530 << 230;
    QTest::newRow("128x64 log") << 1 << true << QSize(420, 298) << QRect(8, 82, 404, 160) << 146
                                << 50;
    QTest::newRow("256x128 log") << 2 << true << QSize(420, 362) << QRect(8, 146, 404, 160) << 274
                                 << 108;
    QTest::newRow("512x256 log") << 3 << true << QSize(610, 490) << QRect(8, 274, 594, 160) << 530
                                 << 230;
}

void TestLayout::sizes()
{
    QFETCH(int, bmpRes);
    QFETCH(bool, logging);
    QFETCH(QSize, client);
    QFETCH(QRect, log);
    QFETCH(int, buttonsLeft);
    QFETCH(int, counterTop);
    choose(bmpRes, logging);
    QCOMPARE(window().clientSize(), client);
    QCOMPARE(inClient("downloadButton").topLeft(), QPoint(buttonsLeft, 7));
    QCOMPARE(inClient("cancelDownloadButton").topLeft(), QPoint(buttonsLeft, 50));
    const QRect panel = inClient("pictureView");
    QCOMPARE(panel, QRect(QPoint(8, 8), PictureSizes::withBmpRes(bmpRes)->panel));
    QCOMPARE(inClient("counter"), QRect(8, 8 + counterTop, panel.width(), 13));
    QCOMPARE(inClient("picture"), panel.adjusted(1, 1, -1, -1));
    QCOMPARE(fixture_.find<QWidget>("logView").isVisible(), logging);
    if (logging) {
        QCOMPARE(inClient("log"), log);
        QCOMPARE(inClient("clearLogButton").topLeft(), QPoint(8, client.height() - 49));
        QCOMPARE(inClient("saveLogButton").topLeft(), QPoint(88, client.height() - 49));
    }
    for (const PictureSize& size : PictureSizes::all())
        QCOMPARE(fixture_.action(QLatin1String(size.actionName)).isChecked(),
                 size.bmpRes == bmpRes);
    // Choosing the size that is already checked lays out the same again.
    const QRect before = window().geometry();
    choose(bmpRes, logging);
    QCOMPARE(window().geometry(), before);
}

void TestLayout::loggingTwiceGivesBackTheSameGeometry()
{
    QAction& logging = fixture_.action("loggingAction");
    for (int res = 1; res <= 3; ++res) {
        choose(res, false);
        const QSize size = window().size();
        const QRect panel = inClient("pictureView");
        const QSignalSpy toggles(&logging, &QAction::toggled);
        logging.trigger();
        QVERIFY(logging.isChecked());
        QCOMPARE(toggles.count(), 1); // a click changes the mark once, not back and forth
        logging.trigger();
        QVERIFY(!logging.isChecked());
        QCOMPARE(window().size(), size);
        QCOMPARE(inClient("pictureView"), panel);
    }
}

void TestLayout::sizeLimits()
{
    choose(2, false);
    QCOMPARE(window().minimumSize(), window().size());
    QCOMPARE(window().maximumSize(), window().size());
    choose(2, true);
    QCOMPARE(window().minimumSize(), window().size());
    QCOMPARE(window().maximumWidth(), QWIDGETSIZE_MAX);
    QCOMPARE(window().maximumHeight(), QWIDGETSIZE_MAX);
    choose(1, false);
    QCOMPARE(window().maximumSize(), window().size());
}

void TestLayout::logGrowsWithTheWindow()
{
    choose(2, true);
    const QRect log = inClient("log");
    const int buttonsTop = inClient("clearLogButton").y();
    window().resize(window().width() + 50, window().height() + 40);
    QCOMPARE(inClient("log"), log.adjusted(0, 0, 50, 40));
    QCOMPARE(inClient("clearLogButton").y(), buttonsTop + 40);
    QCOMPARE(inClient("saveLogButton").y(), buttonsTop + 40);
    QCOMPARE(inClient("downloadButton").x(), 274);
}

void TestLayout::pictureIsScaledIntoTheArea_data()
{
    QTest::addColumn<int>("bmpRes");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("128x64 at 512x256") << 3 << QSize(128, 64) << QRect(0, 0, 512, 256);
    QTest::newRow("512x256 at 128x64") << 1 << QSize(512, 256) << QRect(0, 0, 128, 64);
    QTest::newRow("square at 256x128") << 2 << QSize(100, 100) << QRect(64, 0, 128, 128);
    QTest::newRow("tall at 128x64") << 1 << QSize(10, 40) << QRect(56, 0, 16, 64);
    QTest::newRow("320x240 at 256x128") << 2 << QSize(320, 240) << QRect(43, 0, 170, 128);
}

void TestLayout::pictureIsScaledIntoTheArea()
{
    QFETCH(int, bmpRes);
    QFETCH(QSize, picture);
    QFETCH(QRect, drawn);
    QImage image(picture, QImage::Format_RGB32);
    image.fill(Qt::red);
    fixture_.find<PictureView>("pictureView").showPicture(image, "red");
    choose(bmpRes, false);
    auto& shown = fixture_.find<ScaledImage>("picture");
    QCOMPARE(shown.drawnRect(), drawn);
    QCOMPARE(shown.grab().toImage().pixelColor(drawn.center()), QColor(Qt::red));
}

// Every row of the picture sizes' table is a menu item, between the menu's separators, that
// lays the window out by that row, with a placeholder picture of the area's size.
void TestLayout::sizeTableMakesMenuAndLayout()
{
    QStringList items;
    int separators = 0;
    for (const QAction* action : fixture_.find<QMenu>("settingsMenu").actions()) {
        if (action->isSeparator())
            ++separators;
        else if (separators == 1)
            items << action->objectName() + QLatin1Char(' ') + action->text();
    }
    QStringList rows;
    auto& view = fixture_.find<PictureView>("pictureView");
    for (const PictureSize& size : PictureSizes::all()) {
        rows << QLatin1String(size.actionName) + QLatin1Char(' ') + QLatin1String(size.caption);
        QAction& item = fixture_.action(QLatin1String(size.actionName));
        QVERIFY(item.isCheckable());
        item.trigger();
        QCOMPARE(view.size(), size.panel);
        QCOMPARE(window().clientSize().width(), size.panel.width() + 96);
        QCOMPARE(inClient("counter").y(), 8 + size.counterTop);
        view.showWaiting();
        QCOMPARE(fixture_.find<ScaledImage>("picture").image().size(), size.panel - QSize(2, 2));
    }
    QCOMPARE(items, rows);
    view.showEmpty();
    QCOMPARE(fixture_.find<ScaledImage>("picture").image().size(), QSize(128, 64));
}

void TestLayout::screenFit_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("placed");
    // Two screens side by side, 1280x1024 (a task bar at the bottom) and 1024x768.
    QTest::newRow("fits: kept exactly") << QRect(314, 556, 362, 220) << QPoint(314, 556);
    QTest::newRow("below the bottom") << QRect(314, 556, 618, 508) << QPoint(314, 476);
    QTest::newRow("across both screens, whole") << QRect(1100, 10, 362, 220) << QPoint(1100, 10);
    QTest::newRow("mostly on the second screen") << QRect(1200, 600, 362, 220) << QPoint(1280, 548);
    QTest::newRow("on a screen that is gone") << QRect(3000, -900, 362, 220) << QPoint(918, 0);
    QTest::newRow("larger than the screen") << QRect(-50, -50, 1400, 1100) << QPoint(0, 0);
}

void TestLayout::screenFit()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, placed);
    const QRect first(0, 0, 1280, 984);
    const QList<QRect> areas{first, QRect(1280, 0, 1024, 768)};
    QCOMPARE(ScreenFit::placed(frame, areas, first), placed);
}

void TestLayout::windowStaysOnTheScreen()
{
    const QRect area = window().screen()->availableGeometry();
    // The design position at the largest size with the log reaches beyond a small screen.
    window().move(314, 556);
    choose(3, true);
    QVERIFY2(area.contains(window().frameGeometry()),
             qPrintable(QStringLiteral("%1,%2").arg(window().x()).arg(window().y())));
    // A place that fits is kept exactly, also when the layout changes.
    choose(1, false);
    window().move(area.topLeft() + QPoint(20, 30));
    choose(2, false);
    QCOMPARE(window().pos(), area.topLeft() + QPoint(20, 30));
    // A position stored on a monitor that is no longer there.
    fixture_.reset();
    WriteTestFile(fixture_.path("Orvisnap.ini"),
                  "[Common]\r\nCreationTime=2026-01-01 00:00:00\r\nLeft=5000\r\nTop=-3000\r\n");
    fixture_.start();
    QVERIFY(area.contains(window().frameGeometry()));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
