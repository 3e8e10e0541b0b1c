#include "mainform.h"

#include "appicon.h"
#include "autosave.h"
#include "executableversion.h"
#include "formabout.h"
#include "formtimings.h"
#include "myserial.h"
#include "myserialsetupform.h"
#include "picturedragdrop.h"
#include "picturemenu.h"
#include "prompts.h"
#include "scaledimage.h"
#include "settingsfile.h"
#include "textfit.h"
#include "uifonts.h"
#include "waitingpicture.h"
#include "wrapbutton.h"

#include <QApplication>

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

// The pictures are compiled into this static library; make sure the linker keeps them.
static void initResources()
{
    Q_INIT_RESOURCE(orvisnap);
}

TMainForm::TMainForm(Prompts& prompts, const QString& appDir, std::optional<StoredSettings> stored,
                     QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), preread_(std::move(stored))
{
    initResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::dialogFont());
    // The program gives every window its icon before any exists: made again here, the icon set
    // would cost another read of every size at start.
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(AppIcon::icon());
    AppDir = appDir;
    createMenu();
    createControls();
    createStatusBar();
    // Getting pictures out: context menu, clipboard, drag and drop, saving each download.
    autoSave_ = new AutoSave(prompts_, this, statusPanels_[2],
                             [this](const QString& line) { logGroup({line}); });
    new PictureMenu(*this, *autoSave_);
    new PictureDragDrop(*this);
    fitTexts();
    setClientSize(454, 333);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::attachDialogs(TMySerialSetupForm* setupForm, TFormAbout* aboutForm,
                              TFormTimings* timingsForm)
{
    setupForm_ = setupForm;
    aboutForm_ = aboutForm;
    timingsForm_ = timingsForm;
}

void TMainForm::fitTexts()
{
    TextFit::fit(this);
    // The two download buttons stand in one column of one width; the layout follows it.
    const int column = std::max(btnGetScreenShot->width(), btnCancel->width());
    btnGetScreenShot->resize(column, btnGetScreenShot->height());
    btnCancel->resize(column, btnCancel->height());
}

void TMainForm::FormCreate()
{
    setWindowTitle(QStringLiteral("Orvisnap ") + GetProgramVersion(false));
    Memo->clear();
    const DownloadTimings defaults;
    Timeout = defaults.timeoutSeconds;
    RxDelay = defaults.rxDelayMs;
    NAKDelay = defaults.nakDelayMs;
    if (AppDir.isEmpty())
        AppDir = SettingsFile::executableFolder();
    if (!AppDir.endsWith(QLatin1Char('/')))
        AppDir += QLatin1Char('/');
    IniFileName = SettingsFile::locate(AppDir);
    BmpRes = 2;
    portsDetected_ = !ComPortList.isEmpty();
    if (portsDetected_) {
        Init();
        return;
    }
    prompts_.message(nullptr,
                     tr("No COM ports detected on your system.") + QStringLiteral("\r\n\n") +
                         tr("Program will terminate."),
                     {});
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TMainForm::Init()
{
    lblCounter->clear();
    SetBitmap(QStringLiteral("EMPTY"));
    ImageDSO->setGeometry(PanelBMP->contentsRect());
    // The settings a download opens the port with, whatever was chosen before.
    ComBaudRate = DownloadLineSettings.baudRate;
    ComDataBits = DownloadLineSettings.dataBits;
    ComParity = DownloadLineSettings.parity;
    ComStopBits = DownloadLineSettings.stopBits;
    ReadFromINI();
    // Start-up always ends with a real layout, also when the settings file applied none.
    if (WaitBitmapName.isEmpty())
        ResolutionClick(resolutionItem(BmpRes));
    SettingsToStatusBar();
    StartTimer->start();
}

QString TMainForm::GetProgramVersion(bool full) const
{
    const ExecutableVersion version = ExecutableVersion::current();
    QString text = QStringLiteral("%1.%2").arg(version.majorVersion).arg(version.minorVersion);
    if (full)
        //: The full version, e.g. "0.1.1 build 5": major.minor, then release and build
        text = tr("%1.%2 build %3").arg(text).arg(version.release).arg(version.build);
    return text;
}

void TMainForm::SetBitmap(const QString& name)
{
    const QImage image(QStringLiteral(":/pictures/") + name.toUpper(), "BMP");
    if (image.isNull())
        return;
    if (name.compare(QLatin1String("EMPTY"), Qt::CaseInsensitive) == 0)
        showPicture(image, tr("Empty screen"));
    else
        showPicture(WaitingPicture::translated(image),
                    tr("How to start the transfer on the instrument"));
}

void TMainForm::showPicture(const QImage& picture, const QString& what)
{
    ImageDSO->setImage(picture);
    pictureWhat_ = what;
    //: The picture's name for a screen reader: what it shows, then its width x height; the
    //: plural form follows the height, the number the word stands after
    ImageDSO->setAccessibleName(tr("%1, %2 x %n pixels", nullptr, picture.height())
                                    .arg(what, QString::number(picture.width())));
}

void TMainForm::SettingsToStatusBar()
{
    statusPanels_[0]->setText(QStringLiteral("COM%1:%2,%3,%4,%5")
                                  .arg(static_cast<std::uint32_t>(ComPortNumber))
                                  .arg(ComBaudRate)
                                  .arg(ComDataBits)
                                  .arg(QLatin1Char(ComParity))
                                  .arg(ComStopBits));
    statusPanels_[1]->setText(ComPortOpen ? tr("open") : tr("closed"));
}

QString TMainForm::statusPanelText(int panel) const
{
    return statusPanels_[panel]->text();
}

void TMainForm::StartTimerTimer()
{
    StartTimer->stop();
    // A window closed within the first half second gets no dialog: opened over nothing, it
    // would keep the program running unseen.
    if (FirstRun && !closing_)
        Comportsettings1Click();
}

void TMainForm::Comportsettings1Click()
{
    if (setupForm_) {
        setupForm_->SetPortOnly();
        setupForm_->exec();
    }
    SettingsToStatusBar();
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::bringToFront(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void TMainForm::About1Click()
{
    bringToFront(aboutForm_);
}

void TMainForm::Timings1Click()
{
    bringToFront(timingsForm_);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    bool canClose = true;
    FormCloseQuery(canClose); // never refuses
    if (!closing_) {
        closing_ = true;
        FormClose();
    }
    event->accept();
}

void TMainForm::FormCloseQuery(bool& canClose)
{
    canClose = true;
}

void TMainForm::FormClose()
{
    // A running download ends now, in order. The instrument must not go on waiting mid-file:
    // the next request would get its rest.
    download_.abort();
    ComClose();
    // Without a port nothing was read, so the user's stored settings are left alone.
    if (portsDetected_)
        SaveToIni();
}

void TMainForm::logLine(const QString& text)
{
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        Memo->appendPlainText(line);
}
