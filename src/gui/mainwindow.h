#pragma once

#include "comportlist.h"
#include "downloadending.h"
#include "downloadtimings.h"
#include "storedsettings.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class AboutDialog;
class AutoSave;
class CaptureKeeper;
class DownloadController;
class FileChooser;
class LogView;
class MainLayout;
class PictureView;
class PortDialog;
class Prompts;
class QAction;
class QTimer;
class StatusPanels;
class TimingsDialog;
struct PictureSize;

// The main window: the picture, the download's buttons and the log, a menu bar and a status
// bar. It makes its parts and wires them together, keeps the chosen port, picture size and
// timings, reads the settings file at start and writes it at close, and opens the dialogs,
// each made when first needed.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The machine's serial ports as they are now; asked at start and whenever the COM settings
    // dialog opens, so that an adapter plugged in later is offered.
    using PortDetection = std::function<ComPortList()>;

    struct Options {
        // The executable's folder, which the settings file's place follows; empty: the running
        // executable's.
        QString appDir;
        // The settings file as start-up read it already; otherwise it is read here.
        std::optional<StoredSettings> stored;
        // Empty: the system's ports, with the settings file's [Ports].
        PortDetection detectPorts;
    };

    MainWindow(Prompts& prompts, Options options);
    ~MainWindow() override;

    [[nodiscard]] QString settingsPath() const { return iniPath_; }
    // Whether the settings file made this the program's first start.
    [[nodiscard]] bool isFirstRun() const { return firstRun_; }
    [[nodiscard]] std::int32_t portNumber() const { return portNumber_; }
    [[nodiscard]] const DownloadTimings& timings() const { return timings_; }
    [[nodiscard]] bool downloadRunning() const;
    [[nodiscard]] QSize clientSize() const;
    // The program's version: "0.1", or in full "0.1.1 build 5".
    [[nodiscard]] static QString version(bool full);

    // The timings of every download from now on, of a running one too.
    void setTimings(const DownloadTimings& timings);

signals:
    // A download that was started has ended, and the window shows how.
    void downloadEnded(DownloadEnding ending);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createParts();
    void createMenus();
    void createPictureSizeActions(QMenu* menu);
    void connectParts();
    void start();
    void readSettings();
    void writeSettings();
    void setPictureSize(const PictureSize& size);
    void setPort(std::int32_t number);
    void onDownloadClicked();
    void onLoadBitmapTriggered();
    void onPortSettingsTriggered();
    void onTimingsTriggered();
    void onAboutTriggered();
    void onLoggingToggled(bool on);
    void onFirstRunTimer();
    [[nodiscard]] PortDialog& portDialog();
    [[nodiscard]] TimingsDialog& timingsDialog();
    [[nodiscard]] AboutDialog& aboutDialog();

    Prompts& prompts_;
    PortDetection detectPorts_;
    std::optional<StoredSettings> preread_;
    QString appDir_;
    QString iniPath_;
    std::unique_ptr<FileChooser> files_;
    AutoSave* autoSave_ = nullptr;
    CaptureKeeper* captures_ = nullptr;
    PictureView* pictureView_ = nullptr;
    DownloadController* download_ = nullptr;
    LogView* logView_ = nullptr;
    StatusPanels* status_ = nullptr;
    std::unique_ptr<MainLayout> layout_;
    QAction* loggingAction_ = nullptr;
    QList<QAction*> pictureSizeActions_; // in the picture sizes' order
    QTimer* firstRunTimer_ = nullptr;
    PortDialog* portDialog_ = nullptr; // made when first needed, as the other two
    TimingsDialog* timingsDialog_ = nullptr;
    AboutDialog* aboutDialog_ = nullptr;
    ComPortList ports_;
    std::int32_t portNumber_ = 0;
    DownloadTimings timings_;
    bool firstRun_ = false;
    bool portsDetected_ = false;
    bool closing_ = false;
    bool placeCentred_ = true; // until the settings file gives a position
};
