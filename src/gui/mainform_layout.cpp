// Picture sizes and the window layout with and without the log.
#include "mainform.h"

#include "scaledimage.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {
struct Resolution {
    const char* itemName;
    int bmpRes;
    int panelWidth;
    int panelHeight;
    const char* waitBitmap;
    int counterTop;
};

constexpr Resolution Resolutions[] = {
    {"Res128", 1, 130, 66, "TXT128x64", 50},
    {"Res256", 2, 258, 130, "TXT256x128", 108},
    {"Res512", 3, 514, 258, "TXT512x256", 230},
};
} // namespace

void TMainForm::ResolutionClick(QAction* sender)
{
    for (const Resolution& row : Resolutions) {
        if (!sender || sender->objectName() != QLatin1String(row.itemName))
            continue;
        BmpRes = row.bmpRes;
        PanelBMP->resize(row.panelWidth, PanelBMP->height());
        PanelBMP->resize(PanelBMP->width(), row.panelHeight);
        Res128->setChecked(row.bmpRes == 1);
        Res256->setChecked(row.bmpRes == 2);
        Res512->setChecked(row.bmpRes == 3);
        WaitBitmapName = QLatin1String(row.waitBitmap);
        lblCounter->move(lblCounter->x(), row.counterTop);
    }
    ImageDSO->setGeometry(PanelBMP->contentsRect());

    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    memoAnchoredBottom_ = false;

    int clientWidth = PanelBMP->width() + btnGetScreenShot->width() + 24;
    setClientSize(clientWidth, clientSize().height());
    if (DebugMode->isChecked()) {
        clientWidth = std::max(clientWidth, 420);
        Memo->resize(Memo->width(), 160);
        const int clientHeight =
            PanelBMP->height() + Memo->height() + btnClearMemo->height() + StatusBar->height() + 28;
        setClientSize(clientWidth, clientHeight);
        Memo->setGeometry(Memo->x(), PanelBMP->height() + 16, clientWidth - 16, Memo->height());
        Memo->setVisible(true);
        btnClearMemo->setVisible(true);
        bntSaveMemo->setVisible(true);
        memoRightGap_ = clientWidth - Memo->x() - Memo->width();
        memoBottomGap_ = clientHeight - Memo->y() - Memo->height();
        memoAnchoredBottom_ = true;
        setMaximumHeight(QWIDGETSIZE_MAX);
        setMinimumHeight(height());
    } else {
        setClientSize(clientWidth, PanelBMP->height() + 35);
        Memo->setVisible(false);
        btnClearMemo->setVisible(false);
        bntSaveMemo->setVisible(false);
        setMaximumHeight(height());
        setMinimumHeight(height());
        setMaximumWidth(width());
    }
    setMinimumWidth(width());

    btnGetScreenShot->move(PanelBMP->width() + 16, btnGetScreenShot->y());
    btnCancel->move(PanelBMP->width() + 16, btnCancel->y());
    lblCounter->resize(PanelBMP->width(), lblCounter->height());
}

void TMainForm::DebugModeClick()
{
    DebugMode->setChecked(!DebugMode->isChecked());
    ResolutionClick(BmpRes == 1 ? Res128 : BmpRes == 3 ? Res512 : Res256);
}
