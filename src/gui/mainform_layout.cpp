// Picture sizes and the window layout with and without the log, with the anchoring that keeps
// the log area attached to the window's edges.
#include "mainform.h"

#include "picturesizes.h"
#include "scaledimage.h"
#include "screenfit.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace {
constexpr int Margin = 8; // around the panel and right of the buttons
constexpr int MinClientWidthWithLog = 420;
constexpr int MemoHeight = 160;
// With the log, below the panel's top margin: panel to memo 8, memo to log buttons 7, log
// buttons to status bar 5.
constexpr int LogExtraHeight = Margin + Margin + 7 + 5;

[[nodiscard]] const PictureSize* rowOf(const QAction* item)
{
    return item ? PictureSizes::named(item->objectName()) : nullptr;
}
} // namespace

QAction* TMainForm::resolutionItem(int bmpRes) const
{
    // The items stand in the table's order.
    const PictureSize* size = PictureSizes::withBmpRes(bmpRes);
    return size ? resolutionItems_.at(static_cast<std::size_t>(size - PictureSizes::all().data()))
                : nullptr;
}

void TMainForm::ResolutionClick(QAction* sender)
{
    if (const PictureSize* row = rowOf(sender)) {
        BmpRes = row->bmpRes;
        PanelBMP->resize(row->panel);
        for (QAction* item : resolutionItems_)
            item->setChecked(rowOf(item) == row);
        WaitBitmapName = QLatin1String(row->waitBitmap);
        lblCounter->move(lblCounter->x(), row->counterTop);
    }
    ImageDSO->setGeometry(PanelBMP->contentsRect());

    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    memoAnchoredBottom_ = false;

    const int clientWidth = PanelBMP->width() + btnGetScreenShot->width() + 3 * Margin;
    setClientSize(clientWidth, clientSize().height());
    if (DebugMode->isChecked())
        layOutWithLog(std::max(clientWidth, MinClientWidthWithLog));
    else
        layOutWithoutLog(clientWidth);
    setMinimumWidth(width());

    btnGetScreenShot->move(PanelBMP->width() + 2 * Margin, btnGetScreenShot->y());
    btnCancel->move(PanelBMP->width() + 2 * Margin, btnCancel->y());
    lblCounter->resize(PanelBMP->width(), lblCounter->height());
    if (isVisible())
        keepOnScreen(); // a window grown by the log must not leave its buttons off the screen
}

void TMainForm::keepOnScreen()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame = frameGeometry();
    const QPoint place =
        ScreenFit::placed(frame, areas, primary ? primary->availableGeometry() : QRect());
    if (place != frame.topLeft())
        move(place);
}

void TMainForm::layOutWithLog(int clientWidth)
{
    Memo->resize(Memo->width(), MemoHeight);
    const int clientHeight = PanelBMP->height() + Memo->height() + btnClearMemo->height() +
                             StatusBar->height() + LogExtraHeight;
    setClientSize(clientWidth, clientHeight);
    Memo->setGeometry(Memo->x(), PanelBMP->height() + 2 * Margin, clientWidth - 2 * Margin,
                      Memo->height());
    Memo->setVisible(true);
    btnClearMemo->setVisible(true);
    bntSaveMemo->setVisible(true);
    memoRightGap_ = clientWidth - Memo->x() - Memo->width();
    memoBottomGap_ = clientHeight - Memo->y() - Memo->height();
    memoAnchoredBottom_ = true;
    setMaximumHeight(QWIDGETSIZE_MAX);
    setMinimumHeight(height());
}

void TMainForm::layOutWithoutLog(int clientWidth)
{
    setClientSize(clientWidth, PanelBMP->height() + 2 * Margin + StatusBar->height());
    Memo->setVisible(false);
    btnClearMemo->setVisible(false);
    bntSaveMemo->setVisible(false);
    setMaximumHeight(height());
    setMinimumHeight(height());
    setMaximumWidth(width());
}

void TMainForm::DebugModeClick()
{
    // The check mark is the item's own: the click has inverted it already.
    ResolutionClick(resolutionItem(BmpRes));
}

QSize TMainForm::clientSize() const
{
    return {width(), height() - menuBar()->heightForWidth(width())};
}

void TMainForm::setClientSize(int width, int height)
{
    resize(width, height + menuBar()->heightForWidth(width));
    applyAnchors();
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyAnchors();
}

void TMainForm::applyAnchors()
{
    if (!Memo)
        return;
    const QSize client = clientSize();
    const int memoWidth = client.width() - Memo->x() - memoRightGap_;
    const int memoHeight =
        memoAnchoredBottom_ ? client.height() - Memo->y() - memoBottomGap_ : Memo->height();
    Memo->resize(std::max(memoWidth, 0), std::max(memoHeight, 0));
    const int buttonsTop = client.height() - logButtonsBottomGap_;
    btnClearMemo->move(btnClearMemo->x(), buttonsTop);
    bntSaveMemo->move(bntSaveMemo->x(), buttonsTop);
}
