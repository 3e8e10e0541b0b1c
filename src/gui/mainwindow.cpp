#include "mainwindow.h"

#include "aboutdialog.h"
#include "altnavigationstyle.h"
#include "appicon.h"
#include "autosave.h"
#include "capturekeeper.h"
#include "downloadcontroller.h"
#include "downloadport.h"
#include "executableversion.h"
#include "filechooser.h"
#include "logview.h"
#include "mainlayout.h"
#include "pictureview.h"
#include "portdialog.h"
#include "portmap.h"
#include "programfolder.h"
#include "prompts.h"
#include "settingsfile.h"
#include "statuspanels.h"
#include "textfit.h"
#include "timingsdialog.h"
#include "uifonts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

// The pictures are compiled into this static library; make sure the linker keeps them.
static void initResources()
{
    Q_INIT_RESOURCE(orvisnap);
}

namespace {
QAction* addNamedAction(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void bringToFront(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

MainWindow::MainWindow(Prompts& prompts, Options options)
    : prompts_(prompts), detectPorts_(std::move(options.detectPorts)),
      preread_(std::move(options.stored)), files_(std::make_unique<FileChooser>(prompts))
{
    initResources();
    setObjectName(QStringLiteral("mainWindow"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::dialogFont());
    // The program gives every window its icon before any exists: made again here, the icon set
    // would cost another read of every size at start.
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(AppIcon::icon());
    appDir_ = options.appDir.isEmpty() ? ProgramFolder::executableFolder() : options.appDir;
    if (!appDir_.endsWith(QLatin1Char('/')))
        appDir_ += QLatin1Char('/');
    iniPath_ = SettingsFile::locate(appDir_);
    if (!detectPorts_)
        detectPorts_ = [iniPath = iniPath_] { return ComPortList::detect(PortMap::read(iniPath)); };
    createParts();
    createMenus();
    connectParts();
    // Room for translated texts longer than the English ones; the buttons stay one column.
    TextFit::fit(this);
    download_->alignButtons();
    layout_->setClientSize(454, 333);
    start();
}

MainWindow::~MainWindow() = default;

void MainWindow::createParts()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    autoSave_ = new AutoSave(prompts_, this);
    captures_ = new CaptureKeeper(prompts_, *files_, this);
    pictureView_ = new PictureView(prompts_, *files_, *autoSave_, client);
    download_ = new DownloadController(prompts_, client);
    logView_ = new LogView(prompts_, *files_, client);
    status_ = new StatusPanels(statusBar());
    layout_ = std::make_unique<MainLayout>(*this, *pictureView_, *download_, *logView_);
    addActions(pictureView_->shortcutActions()); // they work anywhere in the window
    // The keyboard's way through the window: the two download buttons, the picture (its menu
    // on the menu key), the log and its two buttons.
    setTabOrder(download_->lastInTabOrder(), pictureView_->focusTarget());
    setTabOrder(pictureView_->focusTarget(), logView_->firstInTabOrder());
    firstRunTimer_ = new QTimer(this);
    firstRunTimer_->setObjectName(QStringLiteral("firstRunTimer"));
    firstRunTimer_->setSingleShot(true);
    firstRunTimer_->setInterval(500);
    connect(firstRunTimer_, &QTimer::timeout, this, &MainWindow::onFirstRunTimer);
}

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(addNamedAction(file, QStringLiteral("loadBitmapAction"), tr("Load bitmap")),
            &QAction::triggered, this, &MainWindow::onLoadBitmapTriggered);
    connect(addNamedAction(file, QStringLiteral("saveBitmapAction"), tr("Save bitmap")),
            &QAction::triggered, this, [this] {
                pictureView_->saveAs(tr("Bitmap files (*.bmp)|*.bmp"), QStringLiteral("bmp"),
                                     "BMP");
            });
    file->addSeparator();
    connect(addNamedAction(file, QStringLiteral("exitAction"), tr("Exit")), &QAction::triggered,
            this, &QWidget::close);

    QMenu* settings = menuBar()->addMenu(tr("Settings"));
    settings->setObjectName(QStringLiteral("settingsMenu"));
    connect(addNamedAction(settings, QStringLiteral("portSettingsAction"), tr("Comport settings")),
            &QAction::triggered, this, &MainWindow::onPortSettingsTriggered);
    connect(addNamedAction(settings, QStringLiteral("timingsAction"), tr("Timings")),
            &QAction::triggered, this, &MainWindow::onTimingsTriggered);
    settings->addSeparator();
    createPictureSizeActions(settings);
    settings->addSeparator();
    loggingAction_ = addNamedAction(settings, QStringLiteral("loggingAction"), tr("Logging"));
    loggingAction_->setCheckable(true);
    connect(loggingAction_, &QAction::toggled, this, &MainWindow::onLoggingToggled);

    QAction* about = menuBar()->addAction(tr("About"));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &MainWindow::onAboutTriggered);
    // Alt or F10 enter the menu bar, as in the desktops' own programs; the arrow keys go on from
    // there, and Enter runs "About" too.
    menuBar()->setStyle(new AltNavigationStyle(menuBar()->style()->name()));
    auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QWidget* target = focusWidget() ? focusWidget() : this;
        QCoreApplication::sendEvent(target, &press);
        QCoreApplication::sendEvent(target, &release);
    });
}

void MainWindow::createPictureSizeActions(QMenu* menu)
{
    for (const PictureSize& size : PictureSizes::all()) {
        QAction* action =
            addNamedAction(menu, QLatin1String(size.actionName), QLatin1String(size.caption));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, &size] { setPictureSize(size); });
        pictureSizeActions_ << action;
    }
}

void MainWindow::connectParts()
{
    connect(download_, &DownloadController::downloadClicked, this, &MainWindow::onDownloadClicked);
    connect(download_, &DownloadController::waiting, pictureView_, &PictureView::showWaiting);
    connect(download_, &DownloadController::pictureChanged, pictureView_,
            &PictureView::showPicture);
    connect(download_, &DownloadController::counterChanged, pictureView_,
            &PictureView::setCounterText);
    connect(download_, &DownloadController::statusChanged, status_, &StatusPanels::setDownloadText);
    connect(download_, &DownloadController::portOpenChanged, status_, &StatusPanels::setPortOpen);
    connect(download_, &DownloadController::logLines, logView_, &LogView::appendLines);
    connect(download_, &DownloadController::pictureReceived, autoSave_,
            [this](const QImage& picture, const QByteArray& file) {
                autoSave_->pictureArrived(file, picture);
            });
    connect(download_, &DownloadController::pictureReceived, captures_,
            [this](const QImage& picture) {
                captures_->keepReceived(picture, QStringLiteral("COM%1").arg(portNumber_));
            });
    connect(download_, &DownloadController::ended, this, &MainWindow::downloadEnded);
    const auto logFailure = [this](const QString& line) {
        if (loggingAction_->isChecked())
            logView_->appendLines({line});
    };
    connect(autoSave_, &AutoSave::told, status_, &StatusPanels::addPictureText);
    connect(autoSave_, &AutoSave::failed, this, logFailure);
    connect(captures_, &CaptureKeeper::told, status_, &StatusPanels::addPictureText);
    connect(captures_, &CaptureKeeper::failed, this, logFailure);
    connect(captures_, &CaptureKeeper::showRequested, pictureView_, &PictureView::showPicture);
    connect(pictureView_, &PictureView::capturesRequested, captures_, &CaptureKeeper::openWindow);
    connect(pictureView_, &PictureView::addToCapturesRequested, captures_,
            &CaptureKeeper::addLoaded);
}

void MainWindow::start()
{
    setWindowTitle(QStringLiteral("Orvisnap ") + version(false));
    ports_ = detectPorts_();
    portsDetected_ = !ports_.isEmpty();
    if (!portsDetected_) {
        prompts_.message(nullptr,
                         tr("No COM ports detected on your system.") + QStringLiteral("\r\n\n") +
                             tr("Program will terminate."),
                         {});
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    pictureView_->showEmpty();
    setPort(ports_.ports().first().number);
    setTimings({});
    setPictureSize(*PictureSizes::withBmpRes(PictureSizes::Standard));
    readSettings();
    firstRunTimer_->start();
}

void MainWindow::readSettings()
{
    const StoredSettings stored =
        preread_ ? *std::exchange(preread_, std::nullopt) : StoredSettings::read(iniPath_);
    firstRun_ = stored.firstRun;
    captures_->setStore(
        CaptureStore(CaptureStore::folderFor(
                         iniPath_, appDir_,
                         QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)),
                     stored.capturesKeep.value_or(CaptureStore::DefaultKeep)));
    if (firstRun_)
        return;
    placeCentred_ = false;
    move(314, 556);
    if (!stored.stamped) {
        // A stamp that cannot be written is reported at close, when the whole file is written.
        (void)StoredSettings::stamp(iniPath_);
    } else {
        move(stored.left.value_or(x()), stored.top.value_or(y()));
        setTimings(stored.timingsOver(timings_));
        // A value without a picture size changes nothing.
        if (const PictureSize* size = PictureSizes::withBmpRes(stored.bmpRes.value_or(0)))
            setPictureSize(*size);
    }
    setPort(stored.port.value_or(portNumber_));
    autoSave_->useSettings(stored);
}

void MainWindow::writeSettings()
{
    StoredSettings settings;
    settings.left = x();
    settings.top = y();
    settings.bmpRes = pictureView_->pictureSize().bmpRes;
    settings.timeoutSeconds = timings_.timeoutSeconds;
    settings.rxDelayMs = timings_.rxDelayMs;
    settings.nakDelayMs = timings_.nakDelayMs;
    settings.port = portNumber_;
    autoSave_->storeSettings(settings);
    if (const Outcome written = settings.write(iniPath_); !written)
        prompts_.message(this, tr("The settings could not be saved."), written.reason());
}

void MainWindow::setPictureSize(const PictureSize& size)
{
    pictureView_->setPictureSize(size);
    for (int i = 0; i < pictureSizeActions_.size(); ++i)
        pictureSizeActions_[i]->setChecked(PictureSizes::all()[i].bmpRes == size.bmpRes);
    layout_->layOut(loggingAction_->isChecked());
}

void MainWindow::setPort(std::int32_t number)
{
    portNumber_ = number;
    download_->setPort(ports_, number);
    status_->setLineSettings(QStringLiteral("COM%1:").arg(static_cast<std::uint32_t>(number)) +
                             DownloadLineSettings.text());
}

void MainWindow::setTimings(const DownloadTimings& timings)
{
    timings_ = timings;
    download_->setTimings(timings);
}

bool MainWindow::downloadRunning() const
{
    return download_->running();
}

QSize MainWindow::clientSize() const
{
    return layout_->clientSize();
}

QString MainWindow::version(bool full)
{
    const ExecutableVersion v = ExecutableVersion::current();
    QString text = QStringLiteral("%1.%2").arg(v.majorVersion).arg(v.minorVersion);
    if (full)
        //: The full version, e.g. "0.1.1 build 5": major.minor, then release and build
        text = tr("%1.%2 build %3").arg(text).arg(v.release).arg(v.build);
    return text;
}

void MainWindow::onDownloadClicked()
{
    if (!closing_)
        download_->start(pictureView_->picture(), pictureView_->what());
}

void MainWindow::onLoadBitmapTriggered()
{
    if (const QString path = files_->pictureToOpen(this); !path.isEmpty())
        pictureView_->showFile(path);
}

void MainWindow::onPortSettingsTriggered()
{
    // An adapter plugged in or pulled out since the last time is seen now; what the system says
    // of each device is asked only here, where the user chooses.
    ports_ = detectPorts_();
    PortDialog& dialog = portDialog();
    dialog.setPorts(ports_.described(), portNumber_);
    dialog.exec();
    setPort(dialog.result() == QDialog::Accepted ? dialog.chosenPort() : portNumber_);
}

void MainWindow::onTimingsTriggered()
{
    TimingsDialog& dialog = timingsDialog();
    // Only an opening from hidden shows the timings anew; the user's unsaved moves stay.
    if (!dialog.isVisible())
        dialog.setTimings(timings_);
    bringToFront(dialog);
}

void MainWindow::onAboutTriggered()
{
    bringToFront(aboutDialog());
}

void MainWindow::onLoggingToggled(bool on)
{
    download_->setLogging(on);
    layout_->layOut(on);
}

void MainWindow::onFirstRunTimer()
{
    // A window closed within the first half second gets no dialog: opened over nothing, it
    // would keep the program running unseen.
    if (firstRun_ && !closing_)
        onPortSettingsTriggered();
}

PortDialog& MainWindow::portDialog()
{
    if (!portDialog_)
        portDialog_ = new PortDialog(this);
    return *portDialog_;
}

TimingsDialog& MainWindow::timingsDialog()
{
    if (!timingsDialog_) {
        timingsDialog_ = new TimingsDialog(this);
        connect(timingsDialog_, &TimingsDialog::timingsChosen, this, &MainWindow::setTimings);
    }
    return *timingsDialog_;
}

AboutDialog& MainWindow::aboutDialog()
{
    if (!aboutDialog_)
        aboutDialog_ = new AboutDialog(version(true), this);
    return *aboutDialog_;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        closing_ = true;
        // A running download ends now, in order. The instrument must not go on waiting
        // mid-file: the next request would get its rest.
        download_->abort();
        // Without a port nothing was read, so the user's stored settings are left alone.
        if (portsDetected_)
            writeSettings();
    }
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layout_->windowResized();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!placeCentred_) {
        layout_->keepOnScreen();
        return;
    }
    placeCentred_ = false; // only the first showing is placed
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
