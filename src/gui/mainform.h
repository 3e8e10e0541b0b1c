#pragma once

#include "downloadlistener.h"
#include "filedialogstate.h"
#include "screenshotdownload.h"
#include "storedsettings.h"
#include "systemclock.h"
#include "unitport.h"

#include <QImage>
#include <QMainWindow>

#include <cstdint>
#include <optional>
#include <vector>

class AutoSave;
class Prompts;
class ScaledImage;
class TFormAbout;
class TFormTimings;
class TMySerialSetupForm;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;

// The main window: start-up, status bar, picture panel and layout, download, settings file,
// file commands. Its fields and controls are read and written by the dialogs directly. It is the
// front end of the download driver, which asks it for timings, logging and stop requests.
class TMainForm : public QMainWindow, private DownloadListener {
    Q_OBJECT
public:
    // `appDir` is the executable's folder, from which the settings file's place follows
    // (SettingsFile); empty means the folder of the running executable.
    // `stored`: the settings file as start-up read it already; otherwise ReadFromINI reads it.
    explicit TMainForm(Prompts& prompts, const QString& appDir = {},
                       std::optional<StoredSettings> stored = std::nullopt,
                       QWidget* parent = nullptr);
    ~TMainForm() override;

    // The three dialogs are created after the main window; start-up hands them over here.
    void attachDialogs(TMySerialSetupForm* setupForm, TFormAbout* aboutForm,
                       TFormTimings* timingsForm);

    // Fields
    std::int32_t Timeout = DownloadTimings{}.timeoutSeconds;
    std::int32_t RxDelay = DownloadTimings{}.rxDelayMs;
    std::int32_t NAKDelay = DownloadTimings{}.nakDelayMs;
    std::int32_t BmpRes = 2;
    bool FirstRun = false;
    QString WaitBitmapName;
    QString AppDir;
    QString IniFileName;

    // The three timings as one value, as the Timings dialog shows and hands them back.
    [[nodiscard]] DownloadTimings downloadTimings() const { return {Timeout, RxDelay, NAKDelay}; }
    void setDownloadTimings(const DownloadTimings& timings);

    // Operations used across windows and by tests
    [[nodiscard]] QString GetProgramVersion(bool full) const;
    void SetBitmap(const QString& name);
    void SettingsToStatusBar();
    void ReadFromINI();
    bool SaveToIni();
    void ResolutionClick(QAction* sender);
    // The handler of "Logging"; a click (DebugMode->trigger()) inverts the check mark first.
    void DebugModeClick();
    void StartTimerTimer();
    void Comportsettings1Click();
    void Exit1Click();
    void About1Click();
    void Timings1Click();
    void btnGetScreenShotClick();
    void btnCancelClick();
    void TimerCancelTimer();
    void LoadBitmapClick();
    void SaveBitmapClick();
    void SaveasPNG1Click();
    void bntSaveMemoClick();
    void btnClearMemoClick();

    [[nodiscard]] bool downloadRunning() const { return download_.running(); }

signals:
    // A download that was started has ended, and the window shows how.
    void downloadEnded(DownloadEnding ending);

public:
    // The client area: everything under the menu bar.
    [[nodiscard]] QSize clientSize() const;
    void setClientSize(int width, int height);
    [[nodiscard]] QString statusPanelText(int panel) const;
    // Adds a line (or lines joined by CR LF) to the log.
    void logLine(const QString& text);
    // Adds the lines while "Logging" is checked.
    void logGroup(const QStringList& lines);
    // Shows a picture file as "Load bitmap" does, without the dialog.
    void loadPicture(const QString& path);

    // Controls
    QWidget* Client = nullptr; // central area: the window's design coordinates
    QFrame* PanelBMP = nullptr;
    ScaledImage* ImageDSO = nullptr;
    QLabel* lblCounter = nullptr;
    QPushButton* btnGetScreenShot = nullptr;
    QPushButton* btnCancel = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QPushButton* btnClearMemo = nullptr;
    QPushButton* bntSaveMemo = nullptr;
    QStatusBar* StatusBar = nullptr;
    QTimer* TimerCancel = nullptr;
    QTimer* StartTimer = nullptr;
    FileDialogState OpenDialog;
    FileDialogState SaveDialog;

    QMenu* File1 = nullptr;
    QAction* LoadBitmap = nullptr;
    QAction* SaveBitmap = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Settings1 = nullptr;
    QAction* Comportsettings1 = nullptr;
    QAction* Timings1 = nullptr;
    // The picture-size items (PictureSizes), the three stated ones by name.
    QAction* Res128 = nullptr;
    QAction* Res256 = nullptr;
    QAction* Res512 = nullptr;
    QAction* DebugMode = nullptr;
    QAction* About1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void Init();
    void createControls();
    void createMenu();
    void createStatusBar();
    // Room for translated texts that are longer than the English ones.
    void fitTexts();
    // Layout
    static constexpr int StatusBarHeight = 19;
    static constexpr int StatusPanelPadding = 4; // frame and margin on each side of a text
    void createResolutionItems();
    // The item of that picture size; nothing for a value without one.
    [[nodiscard]] QAction* resolutionItem(int bmpRes) const;
    void layOutWithLog(int clientWidth);
    void layOutWithoutLog(int clientWidth);
    void applyAnchors();
    // Moves the window the least that makes it whole on its screen; a place that fits stays.
    void keepOnScreen();
    static void FormCloseQuery(bool& canClose);
    void FormClose();
    // Download
    void showReceived(const DownloadResult& result);
    // How the download ended, in the status bar until the next one starts.
    void showEnding(DownloadEnding ending, std::int64_t number = 0);
    // The ending's sentence in a message box, with `detail` under it.
    void tellEnding(DownloadEnding ending, const QString& detail);
    // The one ending of every download that began: the window as before, with `picture`.
    void restoreAfterDownload(const QImage& picture, const QString& what);
    // Shows `picture`, named for a screen reader by `what` it shows and its size.
    void showPicture(const QImage& picture, const QString& what);
    // DownloadListener
    [[nodiscard]] DownloadTimings timings() const override;
    [[nodiscard]] bool logging() const override;
    void log(const QStringList& lines) override;
    void portOpened() override;
    [[nodiscard]] Outcome readyToRequest() override;
    void blockArrived() override;
    void progress(std::int64_t received, std::int64_t expected) override;
    void finished(const DownloadResult& result) override;
    // Files
    void enterFolderOf(const QString& path);
    // Runs the save dialog; the chosen path, or empty when cancelled.
    [[nodiscard]] QString runSaveDialog(const QString& filter, const QString& extension);
    void savePictureAs(const QString& filter, const QString& extension, const char* format);
    static void bringToFront(QWidget* window);

    Prompts& prompts_;
    TMySerialSetupForm* setupForm_ = nullptr;
    TFormAbout* aboutForm_ = nullptr;
    TFormTimings* timingsForm_ = nullptr;
    QLabel* statusPanels_[3] = {};
    AutoSave* autoSave_ = nullptr;          // every downloaded picture into a folder
    std::vector<QAction*> resolutionItems_; // one per picture size, in menu order
    bool portsDetected_ = false;
    bool closing_ = false;
    bool placeCentred_ = true; // until the settings file gives a position
    std::optional<StoredSettings> preread_;
    // Download state
    UnitPort port_;
    SystemClock clock_;
    ScreenshotDownload download_{*this, clock_};
    QImage pictureBefore_; // the picture shown before the download, restored by a stop
    QString pictureBeforeName_;
    QString pictureWhat_; // what the picture shows, for a screen reader
    // Anchoring: distances kept to the client area's right and bottom edges
    bool memoAnchoredBottom_ = false;
    int memoRightGap_ = 10;
    int memoBottomGap_ = 60;
    int logButtonsBottomGap_ = 49;
};
