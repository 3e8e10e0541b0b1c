#include "scaledimage.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}
} // namespace

class TestMainForm : public QObject {
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
    void exitClosesPortAndWritesSettings();
    void wholeFromTheKeyboard_data();
    void wholeFromTheKeyboard();
    void tabGoesThroughTheWindow();

private:
    [[nodiscard]] QString iniPath() const { return fixture_.path("Orvisnap.ini"); }

    WindowsFixture fixture_;
};

void TestMainForm::captionAndVersion()
{
    const TMainForm& form = fixture_.create().MainForm;
    QCOMPARE(form.windowTitle(), QStringLiteral("Orvisnap 0.1"));
    QCOMPARE(form.GetProgramVersion(false), QStringLiteral("0.1"));
    QCOMPARE(form.GetProgramVersion(true), QStringLiteral("0.1.1 build 5"));
    QCOMPARE(form.IniFileName, fixture_.dir().path() + QStringLiteral("/Orvisnap.ini"));
}

void TestMainForm::menuAsDesigned()
{
    TMainForm& form = fixture_.create().MainForm;
    QCOMPARE(captionsOf(form.menuBar()->actions()), QStringList({"File", "Settings", "About"}));
    QCOMPARE(captionsOf(form.File1->actions()),
             QStringList({"Load bitmap", "Save bitmap", "-", "Exit"}));
    QCOMPARE(captionsOf(form.Settings1->actions()),
             QStringList({"Comport settings", "Timings", "-", "128x64", "256x128", "512x256", "-",
                          "Logging"}));
    QVERIFY(form.About1->menu() == nullptr);
    QVERIFY(form.Res256->isChecked());
    QVERIFY(!form.Res128->isChecked() && !form.Res512->isChecked());
    QVERIFY(!form.DebugMode->isChecked());
    // The menu bar's items have no shortcuts; the picture's context menu has its own.
    for (QAction* action :
         form.menuBar()->actions() + form.File1->actions() + form.Settings1->actions())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->text()));
}

void TestMainForm::controlsAfterStartUp()
{
    const TMainForm& form = fixture_.create().MainForm;
    QCOMPARE(form.btnGetScreenShot->text(), QStringLiteral("Download from DSO"));
    QVERIFY(form.btnGetScreenShot->isEnabled());
    QCOMPARE(form.btnCancel->text(), QStringLiteral("Cancel"));
    QVERIFY(!form.btnCancel->isEnabled());
    QCOMPARE(form.btnClearMemo->text(), QStringLiteral("Clear Log"));
    QCOMPARE(form.bntSaveMemo->text(), QStringLiteral("Save Log"));
    QVERIFY(form.Memo->isReadOnly());
    QVERIFY(form.Memo->toPlainText().isEmpty());
    QVERIFY(form.lblCounter->text().isEmpty());
    QCOMPARE(form.ImageDSO->image().size(), QSize(128, 64));
    QVERIFY(form.StartTimer->isActive());
    QVERIFY(!form.TimerCancel->isActive());
    QCOMPARE(form.Timeout, 10);
    QCOMPARE(form.RxDelay, 30);
    QCOMPARE(form.NAKDelay, 30);
    QCOMPARE(form.BmpRes, 2);
    QCOMPARE(form.WaitBitmapName, QStringLiteral("TXT256x128"));
}

void TestMainForm::statusBarShowsPortAndState()
{
    WriteTestFile(iniPath(), "[ComPort]\r\nPort=3\r\n");
    TMainForm& form = fixture_.create({1, 3, 12}).MainForm;
    QCOMPARE(form.statusPanelText(0), QStringLiteral("COM3:38400,8,N,1"));
    QCOMPARE(form.statusPanelText(1), QStringLiteral("closed"));
    QCOMPARE(form.statusPanelText(2), QString());
    ComPortNumber = 0;
    ComParity = 'E';
    ComStopBits = 3;
    form.SettingsToStatusBar();
    QCOMPARE(form.statusPanelText(0), QStringLiteral("COM0:38400,8,E,3"));
}

void TestMainForm::noPortShowsMessageAndCloses()
{
    WriteTestFile(iniPath(), "[Timings]\r\nTimeout=17\r\n");
    TMainForm& form = fixture_.create({}).MainForm;
    const ScriptedPrompts& prompts = fixture_.prompts();
    QCOMPARE(prompts.messages.size(), 1);
    QCOMPARE(prompts.messages[0].text.toLatin1(),
             QByteArray("No COM ports detected on your system.\r\n\nProgram will terminate."));
    QVERIFY(!form.StartTimer->isActive());
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isVisible(), 5000);
    // The user's stored settings are not overwritten with start values.
    QCOMPARE(ReadTestFile(iniPath()), QByteArray("[Timings]\r\nTimeout=17\r\n"));
}

void TestMainForm::firstRunOpensComDialogAfterStartUp()
{
    AppWindows& windows = fixture_.create({1, 3});
    QVERIFY(windows.MainForm.FirstRun);
    windows.MainForm.show();
    bool dialogSeen = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        if (windows.MySerialSetupForm.isVisible()) {
            dialogSeen = true;
            windows.MySerialSetupForm.reject();
        }
    });
    poll.start(20);
    QTRY_VERIFY_WITH_TIMEOUT(dialogSeen, 5000);
    QVERIFY(!windows.MainForm.StartTimer->isActive());
    QTRY_COMPARE(windows.MainForm.statusPanelText(0), QStringLiteral("COM1:38400,8,N,1"));
}

void TestMainForm::closedBeforeTheFirstRunDialogNoDialogOpens()
{
    // A dialog over a window that has closed would keep the program running, unseen.
    AppWindows& windows = fixture_.create({1});
    windows.MainForm.show();
    windows.MainForm.close();
    QTest::qWait(windows.MainForm.StartTimer->interval() + 300);
    QVERIFY(!windows.MySerialSetupForm.isVisible());
    QVERIFY(!windows.MainForm.isVisible());
}

void TestMainForm::exitClosesPortAndWritesSettings()
{
    TMainForm& form = fixture_.start().MainForm;
    form.Exit1->trigger();
    QVERIFY(!form.isVisible());
    QVERIFY(!ComPortOpen);
    QVERIFY(QFile::exists(iniPath()));
    QVERIFY(fixture_.prompts().messages.isEmpty());
}

void TestMainForm::wholeFromTheKeyboard_data()
{
    QTest::addColumn<int>("menuKey");
    QTest::newRow("F10") << int(Qt::Key_F10);
    QTest::newRow("Alt") << int(Qt::Key_Alt);
}

// The menu key enters the menu bar at "File"; the arrows go on to "About", which Enter runs.
void TestMainForm::wholeFromTheKeyboard()
{
    QFETCH(int, menuKey);
    AppWindows& windows = fixture_.start();
    TMainForm& form = windows.MainForm;
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.btnGetScreenShot->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(menuKey));
    QTRY_COMPARE(form.menuBar()->activeAction(), form.File1->menuAction());
    QTest::keyClick(form.menuBar(), Qt::Key_Right);
    QTest::keyClick(form.menuBar(), Qt::Key_Right);
    QCOMPARE(form.menuBar()->activeAction(), form.About1);
    QTest::keyClick(form.menuBar(), Qt::Key_Return);
    QTRY_VERIFY(windows.FormAbout.isVisible());
    QTest::keyClick(windows.FormAbout.btnClose, Qt::Key_Return);
    QTRY_VERIFY(!windows.FormAbout.isVisible());
}

void TestMainForm::tabGoesThroughTheWindow()
{
    TMainForm& form = fixture_.start().MainForm;
    form.DebugMode->trigger(); // the log and its buttons show
    form.btnCancel->setEnabled(true);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.btnGetScreenShot->setFocus();
    const QList<QWidget*> expected{form.btnCancel,    form.ImageDSO,    form.Memo,
                                   form.btnClearMemo, form.bntSaveMemo, form.btnGetScreenShot};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

QTEST_MAIN(TestMainForm)
#include "test_mainform.moc"
