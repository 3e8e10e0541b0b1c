#include "picturesizes.h"
#include "scaledimage.h"
#include "screenfit.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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
    void placeholdersFollowTheSize();
    void sizeTableMakesMenuAndLayout();
    void screenFit_data();
    void screenFit();
    void windowStaysOnTheScreen();

private:
    [[nodiscard]] TMainForm& form() { return fixture_.mainForm(); }
    void choose(int bmpRes, bool logging);

    WindowsFixture fixture_;
};

void TestLayout::choose(int bmpRes, bool logging)
{
    if (form().DebugMode->isChecked() != logging)
        form().DebugMode->trigger();
    QAction* items[] = {form().Res128, form().Res256, form().Res512};
    items[bmpRes - 1]->trigger();
}

void TestLayout::sizes_data()
{
    QTest::addColumn<int>("bmpRes");
    QTest::addColumn<bool>("logging");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QRect>("memo");
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
    QFETCH(QRect, memo);
    QFETCH(int, buttonsLeft);
    QFETCH(int, counterTop);
    choose(bmpRes, logging);
    QCOMPARE(form().BmpRes, bmpRes);
    QCOMPARE(form().clientSize(), client);
    QCOMPARE(form().btnGetScreenShot->x(), buttonsLeft);
    QCOMPARE(form().btnCancel->x(), buttonsLeft);
    QCOMPARE(form().lblCounter->y(), counterTop);
    QCOMPARE(form().lblCounter->width(), form().PanelBMP->width());
    QCOMPARE(form().ImageDSO->geometry(), form().PanelBMP->rect().adjusted(1, 1, -1, -1));
    QCOMPARE(form().Memo->isVisible(), logging);
    QCOMPARE(form().btnClearMemo->isVisible(), logging);
    QCOMPARE(form().bntSaveMemo->isVisible(), logging);
    if (logging) {
        QCOMPARE(form().Memo->geometry(), memo);
        QCOMPARE(form().btnClearMemo->y(), client.height() - 49);
        QCOMPARE(form().bntSaveMemo->y(), client.height() - 49);
    }
    const QAction* items[] = {form().Res128, form().Res256, form().Res512};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(items[i]->isChecked(), i + 1 == bmpRes);
    // Choosing the size that is already checked lays out the same again.
    const QRect before = form().geometry();
    choose(bmpRes, logging);
    QCOMPARE(form().geometry(), before);
}

void TestLayout::loggingTwiceGivesBackTheSameGeometry()
{
    for (int res = 1; res <= 3; ++res) {
        choose(res, false);
        const QSize size = form().size();
        const QRect panel = form().PanelBMP->geometry();
        const QSignalSpy toggles(form().DebugMode, &QAction::toggled);
        form().DebugMode->trigger();
        QVERIFY(form().DebugMode->isChecked());
        QCOMPARE(toggles.count(), 1); // a click changes the mark once, not back and forth
        form().DebugMode->trigger();
        QVERIFY(!form().DebugMode->isChecked());
        QCOMPARE(form().size(), size);
        QCOMPARE(form().PanelBMP->geometry(), panel);
    }
}

void TestLayout::sizeLimits()
{
    choose(2, false);
    QCOMPARE(form().minimumSize(), form().size());
    QCOMPARE(form().maximumSize(), form().size());
    choose(2, true);
    QCOMPARE(form().minimumSize(), form().size());
    QCOMPARE(form().maximumWidth(), QWIDGETSIZE_MAX);
    QCOMPARE(form().maximumHeight(), QWIDGETSIZE_MAX);
    choose(1, false);
    QCOMPARE(form().maximumSize(), form().size());
}

void TestLayout::logGrowsWithTheWindow()
{
    choose(2, true);
    const QRect memo = form().Memo->geometry();
    const int buttonsTop = form().btnClearMemo->y();
    form().resize(form().width() + 50, form().height() + 40);
    QCOMPARE(form().Memo->geometry(), memo.adjusted(0, 0, 50, 40));
    QCOMPARE(form().btnClearMemo->y(), buttonsTop + 40);
    QCOMPARE(form().bntSaveMemo->y(), buttonsTop + 40);
    QCOMPARE(form().btnGetScreenShot->x(), 274);
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
    form().ImageDSO->setImage(image);
    choose(bmpRes, false);
    QCOMPARE(form().ImageDSO->drawnRect(), drawn);
    const QImage grab = form().ImageDSO->grab().toImage();
    QCOMPARE(grab.pixelColor(drawn.center()), QColor(Qt::red));
}

void TestLayout::placeholdersFollowTheSize()
{
    const char* names[] = {"TXT128x64", "TXT256x128", "TXT512x256"};
    for (int res = 1; res <= 3; ++res) {
        choose(res, res == 2);
        QCOMPARE(form().WaitBitmapName, QString::fromLatin1(names[res - 1]));
        form().SetBitmap(form().WaitBitmapName);
        QCOMPARE(form().ImageDSO->image().size(), form().ImageDSO->size());
    }
    form().SetBitmap(QStringLiteral("empty"));
    QCOMPARE(form().ImageDSO->image().size(), QSize(128, 64));
}

// Every row of the table is a menu item that lays the window out by that row, with a
// placeholder picture of the area's size; no item is made any other way.
void TestLayout::sizeTableMakesMenuAndLayout()
{
    QStringList items;
    bool between = false;
    for (const QAction* action : form().Settings1->actions()) {
        if (action->isSeparator())
            between = action->objectName() == QLatin1String("N2");
        else if (between)
            items << action->objectName() + QLatin1Char(' ') + action->text();
    }
    QStringList rows;
    for (const PictureSize& size : PictureSizes::all())
        rows << QLatin1String(size.itemName) + QLatin1Char(' ') + QLatin1String(size.caption);
    QCOMPARE(items, rows);
    for (const PictureSize& size : PictureSizes::all()) {
        auto* item = form().Settings1->findChild<QAction*>(QLatin1String(size.itemName));
        QVERIFY(item && item->isCheckable());
        item->trigger();
        QCOMPARE(form().BmpRes, size.bmpRes);
        QCOMPARE(form().PanelBMP->size(), size.panel);
        QCOMPARE(form().clientSize().width(), size.panel.width() + 96);
        QCOMPARE(form().lblCounter->y(), size.counterTop);
        QCOMPARE(form().WaitBitmapName, QLatin1String(size.waitBitmap));
        form().SetBitmap(form().WaitBitmapName);
        QCOMPARE(form().ImageDSO->image().size(), size.panel - QSize(2, 2));
    }
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
    const QRect area = form().screen()->availableGeometry();
    // The design position at the largest size with the log reaches beyond a small screen.
    form().move(314, 556);
    choose(3, true);
    QVERIFY2(area.contains(form().frameGeometry()),
             qPrintable(QStringLiteral("%1,%2").arg(form().x()).arg(form().y())));
    // A place that fits is kept exactly, also when the layout changes.
    choose(1, false);
    form().move(area.topLeft() + QPoint(20, 30));
    choose(2, false);
    QCOMPARE(form().pos(), area.topLeft() + QPoint(20, 30));
    // A position stored on a monitor that is no longer there.
    fixture_.reset();
    WriteTestFile(fixture_.path("Orvisnap.ini"),
                  "[Common]\r\nCreationTime=2026-01-01 00:00:00\r\nLeft=5000\r\nTop=-3000\r\n");
    fixture_.start();
    QVERIFY(area.contains(form().frameGeometry()));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
