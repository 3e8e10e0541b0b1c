// The main window's controls, menu and status bar at their design places.
#include "mainform.h"

#include "altnavigationstyle.h"
#include "picturesizes.h"
#include "scaledimage.h"
#include "uicolours.h"
#include "uifonts.h"
#include "wrapbutton.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {
QAction* addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}
} // namespace

void TMainForm::createMenu()
{
    File1 = menuBar()->addMenu(tr("File"));
    File1->setObjectName(QStringLiteral("File1"));
    LoadBitmap = addItem(File1, QStringLiteral("LoadBitmap"), tr("Load bitmap"));
    SaveBitmap = addItem(File1, QStringLiteral("SaveBitmap"), tr("Save bitmap"));
    File1->addSeparator()->setObjectName(QStringLiteral("N1"));
    Exit1 = addItem(File1, QStringLiteral("Exit1"), tr("Exit"));

    Settings1 = menuBar()->addMenu(tr("Settings"));
    Settings1->setObjectName(QStringLiteral("Settings1"));
    Comportsettings1 =
        addItem(Settings1, QStringLiteral("Comportsettings1"), tr("Comport settings"));
    Timings1 = addItem(Settings1, QStringLiteral("Timings1"), tr("Timings"));
    Settings1->addSeparator()->setObjectName(QStringLiteral("N2"));
    createResolutionItems();
    Settings1->addSeparator()->setObjectName(QStringLiteral("N4"));
    DebugMode = addItem(Settings1, QStringLiteral("DebugMode"), tr("Logging"));
    DebugMode->setCheckable(true);

    About1 = menuBar()->addAction(tr("About"));
    About1->setObjectName(QStringLiteral("About1"));
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

    connect(LoadBitmap, &QAction::triggered, this, &TMainForm::LoadBitmapClick);
    connect(SaveBitmap, &QAction::triggered, this, &TMainForm::SaveBitmapClick);
    connect(Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);
    connect(Comportsettings1, &QAction::triggered, this, &TMainForm::Comportsettings1Click);
    connect(Timings1, &QAction::triggered, this, &TMainForm::Timings1Click);
    connect(DebugMode, &QAction::triggered, this, &TMainForm::DebugModeClick);
    connect(About1, &QAction::triggered, this, &TMainForm::About1Click);
}

void TMainForm::createResolutionItems()
{
    for (const PictureSize& size : PictureSizes::all()) {
        QAction* item =
            addItem(Settings1, QLatin1String(size.itemName), QLatin1String(size.caption));
        item->setCheckable(true);
        item->setChecked(size.bmpRes == PictureSizes::Standard);
        connect(item, &QAction::triggered, this, [this, item] { ResolutionClick(item); });
        resolutionItems_.push_back(item);
    }
    Res128 = resolutionItem(1);
    Res256 = resolutionItem(2);
    Res512 = resolutionItem(3);
}

void TMainForm::createControls()
{
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(Client);

    PanelBMP = new QFrame(Client);
    PanelBMP->setObjectName(QStringLiteral("PanelBMP"));
    PanelBMP->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelBMP->setLineWidth(1);
    PanelBMP->setAutoFillBackground(true);
    PanelBMP->setGeometry(8, 8, 258, 130);

    ImageDSO = new ScaledImage(PanelBMP);
    ImageDSO->setObjectName(QStringLiteral("ImageDSO"));
    ImageDSO->setGeometry(PanelBMP->contentsRect());
    // Taken by Tab and a click, so that the menu key opens the picture's menu; before the tab
    // order is set, which passes over a widget that takes no focus.
    ImageDSO->setFocusPolicy(Qt::StrongFocus);

    lblCounter = new QLabel(QStringLiteral("10"), PanelBMP);
    lblCounter->setObjectName(QStringLiteral("lblCounter"));
    lblCounter->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont counterFont = font();
    counterFont.setBold(true);
    lblCounter->setFont(counterFont);
    UiColours::set(lblCounter, QPalette::WindowText, UiColours::Maroon);
    lblCounter->setGeometry(0, 108, 258, 13);
    lblCounter->setAccessibleName(tr("Download state"));

    btnGetScreenShot = new WrapButton(
        //: DSO: the instrument, a digital storage oscilloscope
        tr("Download from DSO"), Client);
    btnGetScreenShot->setObjectName(QStringLiteral("btnGetScreenShot"));
    btnGetScreenShot->setGeometry(274, 7, 72, 41);
    btnCancel = new QPushButton(tr("Cancel"), Client);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(274, 50, 72, 25);
    btnCancel->setEnabled(false);

    Memo = new QPlainTextEdit(Client);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setFont(UiFonts::logFont());
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setGeometry(8, 142, 436, 131);
    Memo->setAccessibleName(tr("Log of the exchange"));

    btnClearMemo = new QPushButton(tr("Clear Log"), Client);
    btnClearMemo->setObjectName(QStringLiteral("btnClearMemo"));
    btnClearMemo->setGeometry(8, 284, 75, 25);
    bntSaveMemo = new QPushButton(tr("Save Log"), Client);
    bntSaveMemo->setObjectName(QStringLiteral("bntSaveMemo"));
    bntSaveMemo->setGeometry(88, 284, 75, 25);

    // The keyboard's way through the window: the two download buttons, the picture (its menu
    // on the menu key), the log and its two buttons.
    setTabOrder(btnGetScreenShot, btnCancel);
    setTabOrder(btnCancel, ImageDSO);
    setTabOrder(ImageDSO, Memo);
    setTabOrder(Memo, btnClearMemo);
    setTabOrder(btnClearMemo, bntSaveMemo);
    connect(btnGetScreenShot, &QPushButton::clicked, this, &TMainForm::btnGetScreenShotClick);
    connect(btnCancel, &QPushButton::clicked, this, &TMainForm::btnCancelClick);
    connect(btnClearMemo, &QPushButton::clicked, this, &TMainForm::btnClearMemoClick);
    connect(bntSaveMemo, &QPushButton::clicked, this, &TMainForm::bntSaveMemoClick);

    TimerCancel = new QTimer(this);
    TimerCancel->setInterval(200);
    connect(TimerCancel, &QTimer::timeout, this, &TMainForm::TimerCancelTimer);
    StartTimer = new QTimer(this);
    StartTimer->setInterval(500);
    connect(StartTimer, &QTimer::timeout, this, &TMainForm::StartTimerTimer);

    OpenDialog = {tr("Bitmap files (*.bmp)|*.bmp"), QStringLiteral("bmp"), {}};
    SaveDialog = {tr("Text files (*.txt)|*.txt|All files (*.*)|*.*"), QStringLiteral("bmp"), {}};
}

void TMainForm::createStatusBar()
{
    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(StatusBarHeight);
    // The port state's panel grows where a translation of "closed" needs more room.
    const QFontMetrics metrics(StatusBar->font());
    const int stateText =
        std::max(metrics.horizontalAdvance(tr("open")), metrics.horizontalAdvance(tr("closed")));
    const int widths[3] = {120, std::max(50, stateText + 2 * StatusPanelPadding), 50};
    const QString names[3] = {tr("Line settings"), tr("Port state"), tr("Progress")};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(StatusBar);
        statusPanels_[i]->setFixedWidth(widths[i]);
        statusPanels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusPanels_[i]->setAccessibleName(names[i]);
    }
    // The last panel reaches to the right edge, as a native status bar's last part does, so the
    // progress of a download or a file name fits; its text never widens the window.
    statusPanels_[2]->setMaximumWidth(QWIDGETSIZE_MAX);
    statusPanels_[2]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    for (int i = 0; i < 3; ++i)
        StatusBar->addWidget(statusPanels_[i], i == 2 ? 1 : 0);
}
