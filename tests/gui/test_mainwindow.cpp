// The main window as the user meets it: its caption, menus, controls and status bar after
// start, the first start's COM dialog, a machine without ports, closing, the keyboard.
#include "aboutdialog.h"
#include "portdialog.h"
#include "scaledimage.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {
QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { fixture_.reset(); }
    void captionAndVersion();
    void menuAsDesigned();
    void controlsAfterStartUp();
    void statusBarShowsPortAndState();
    void noPortShowsMessageAndCloses();
    void firstRunOpensComDialogAfterStartUp();
    void closedBeforeTheFirstRunDialogNoDialogOpens();
    void dialogsAreMadeWhenFirstNeeded();
    void exitWritesSettings();
    void wholeFromTheKeyboard_data();
    void wholeFromTheKeyboard();
    void tabGoesThroughTheWindow();

private:
    [[nodiscard]] QString iniPath() const { return fixture_.path("Orvisnap.ini"); }
    [[nodiscard]] QMenu& menu(const QString& name) { return fixture_.find<QMenu>(name); }

    WindowsFixture fixture_;
};

void TestMainWindow::captionAndVersion()
{
    const MainWindow& window = fixture_.create();
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvisnap 0.1"));
    QCOMPARE(MainWindow::version(false), QStringLiteral("0.1"));
    QCOMPARE(MainWindow::version(true), QStringLiteral("0.1.1 build 5"));
    QCOMPARE(window.settingsPath(), fixture_.dir().path() + QStringLiteral("/Orvisnap.ini"));
}

void TestMainWindow::menuAsDesigned()
{
    MainWindow& window = fixture_.create();
    QCOMPARE(captionsOf(window.menuBar()->actions()), QStringList({"File", "Settings", "About"}));
    QCOMPARE(captionsOf(menu("fileMenu").actions()),
             QStringList({"Load bitmap", "Save bitmap", "-", "Exit"}));
    QCOMPARE(captionsOf(menu("settingsMenu").actions()),
             QStringList({"Comport settings", "Timings", "-", "128x64", "256x128", "512x256", "-",
                          "Logging"}));
    QVERIFY(fixture_.action("aboutAction").menu() == nullptr);
    QVERIFY(fixture_.action("pictureSize256Action").isChecked());
    QVERIFY(!fixture_.action("pictureSize128Action").isChecked());
    QVERIFY(!fixture_.action("pictureSize512Action").isChecked());
    QVERIFY(!fixture_.action("loggingAction").isChecked());
    // The menu bar's items have no shortcuts; the picture's context menu has its own.
    for (QAction* action :
         window.menuBar()->actions() + menu("fileMenu").actions() + menu("settingsMenu").actions())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
}

void TestMainWindow::controlsAfterStartUp()
{
    const MainWindow& window = fixture_.create();
    QCOMPARE(fixture_.button("downloadButton").text(), QStringLiteral("Download from DSO"));
    QVERIFY(fixture_.button("downloadButton").isEnabled());
    QCOMPARE(fixture_.button("cancelDownloadButton").text(), QStringLiteral("Cancel"));
    QVERIFY(!fixture_.button("cancelDownloadButton").isEnabled());
    QCOMPARE(fixture_.button("clearLogButton").text(), QStringLiteral("Clear Log"));
    QCOMPARE(fixture_.button("saveLogButton").text(), QStringLiteral("Save Log"));
    QVERIFY(fixture_.find<QPlainTextEdit>("log").isReadOnly());
    QVERIFY(fixture_.find<QPlainTextEdit>("log").toPlainText().isEmpty());
    QVERIFY(fixture_.find<QLabel>("counter").text().isEmpty());
    QCOMPARE(fixture_.find<ScaledImage>("picture").image().size(), QSize(128, 64));
    QVERIFY(fixture_.find<QTimer>("firstRunTimer").isActive());
    QCOMPARE(window.timings(), DownloadTimings({10, 30, 30}));
}

void TestMainWindow::statusBarShowsPortAndState()
{
    WriteTestFile(iniPath(), "[ComPort]\r\nPort=3\r\n");
    fixture_.create({1, 3, 12});
    QCOMPARE(fixture_.statusText("lineSettingsPanel"), QStringLiteral("COM3:38400,8,N,1"));
    QCOMPARE(fixture_.statusText("portStatePanel"), QStringLiteral("closed"));
    QCOMPARE(fixture_.statusText("messagePanel"), QString());
}

void TestMainWindow::noPortShowsMessageAndCloses()
{
    WriteTestFile(iniPath(), "[Timings]\r\nTimeout=17\r\n");
    MainWindow& window = fixture_.create({});
    const ScriptedPrompts& prompts = fixture_.prompts();
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].text.toLatin1(),
             QByteArray("No COM ports detected on your system.\r\n\nProgram will terminate."));
    QVERIFY(!fixture_.find<QTimer>("firstRunTimer").isActive());
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
    // The user's stored settings are not overwritten with start values.
    QCOMPARE(ReadTestFile(iniPath()), QByteArray("[Timings]\r\nTimeout=17\r\n"));
}

void TestMainWindow::firstRunOpensComDialogAfterStartUp()
{
    MainWindow& window = fixture_.create({1, 3});
    QVERIFY(window.isFirstRun());
    window.show();
    bool dialogSeen = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = window.findChild<PortDialog*>(); dialog && dialog->isVisible()) {
            dialogSeen = true;
            dialog->reject();
        }
    });
    poll.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(dialogSeen, 5000);
    QVERIFY(!fixture_.find<QTimer>("firstRunTimer").isActive());
    QTRY_COMPARE(fixture_.statusText("lineSettingsPanel"), QStringLiteral("COM1:38400,8,N,1"));
}

void TestMainWindow::closedBeforeTheFirstRunDialogNoDialogOpens()
{
    // A dialog over a window that has closed would keep the program running, unseen.
    MainWindow& window = fixture_.create({1});
    window.show();
    window.close();
    QTest::qWait(fixture_.find<QTimer>("firstRunTimer").interval() + 300);
    QVERIFY(!window.findChild<PortDialog*>());
    QVERIFY(!window.isVisible());
}

// None of the three dialogs costs the start anything; each is made once, when first opened.
void TestMainWindow::dialogsAreMadeWhenFirstNeeded()
{
    MainWindow& window = fixture_.start();
    QVERIFY(!window.findChild<QDialog*>());
    fixture_.action("aboutAction").trigger();
    QVERIFY(window.findChild<AboutDialog*>()->isVisible());
    window.findChild<AboutDialog*>()->accept();
    fixture_.action("aboutAction").trigger();
    QCOMPARE(window.findChildren<AboutDialog*>().size(), 1);
    fixture_.action("timingsAction").trigger();
    QCOMPARE(window.findChildren<QDialog*>().size(), 2);
}

void TestMainWindow::exitWritesSettings()
{
    MainWindow& window = fixture_.start();
    fixture_.action("exitAction").trigger();
    QVERIFY(!window.isVisible());
    QCOMPARE(fixture_.statusText("portStatePanel"), QStringLiteral("closed"));
    QVERIFY(QFile::exists(iniPath()));
    QVERIFY(fixture_.prompts().messages.isEmpty());
}

void TestMainWindow::wholeFromTheKeyboard_data()
{
    QTest::addColumn<int>("menuKey");
    QTest::newRow("F10") << int(Qt::Key_F10);
    QTest::newRow("Alt") << int(Qt::Key_Alt);
}

// The menu key enters the menu bar at "File"; the arrows go on to "About", which Enter runs.
void TestMainWindow::wholeFromTheKeyboard()
{
    QFETCH(int, menuKey);
    MainWindow& window = fixture_.start();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    fixture_.button("downloadButton").setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(menuKey));
    QTRY_COMPARE(window.menuBar()->activeAction(), menu("fileMenu").menuAction());
    QTest::keyClick(window.menuBar(), Qt::Key_Right);
    QTest::keyClick(window.menuBar(), Qt::Key_Right);
    QCOMPARE(window.menuBar()->activeAction(), &fixture_.action("aboutAction"));
    QTest::keyClick(window.menuBar(), Qt::Key_Return);
    QTRY_VERIFY(window.findChild<AboutDialog*>() && window.findChild<AboutDialog*>()->isVisible());
    auto* about = window.findChild<AboutDialog*>();
    QTest::keyClick(about->findChild<QPushButton*>("okButton"), Qt::Key_Return);
    QTRY_VERIFY(!about->isVisible());
}

void TestMainWindow::tabGoesThroughTheWindow()
{
    MainWindow& window = fixture_.start();
    fixture_.action("loggingAction").trigger(); // the log and its buttons show
    fixture_.button("cancelDownloadButton").setEnabled(true);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    fixture_.button("downloadButton").setFocus();
    const QList<QWidget*> expected{
        &fixture_.button("cancelDownloadButton"), &fixture_.find<ScaledImage>("picture"),
        &fixture_.find<QPlainTextEdit>("log"),    &fixture_.button("clearLogButton"),
        &fixture_.button("saveLogButton"),        &fixture_.button("downloadButton")};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
