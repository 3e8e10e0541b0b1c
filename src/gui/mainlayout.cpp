#include "mainlayout.h"

#include "downloadcontroller.h"
#include "logview.h"
#include "pictureview.h"
#include "screenfit.h"
#include "statuspanels.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace {
constexpr int ButtonsTop = 7;
// Below the log's buttons, above the status bar.
constexpr int LogBottomGap = 5;
} // namespace

MainLayout::MainLayout(QMainWindow& window, PictureView& picture, DownloadController& download,
                       LogView& log)
    : window_(window), picture_(picture), download_(download), log_(log)
{
}

void MainLayout::layOut(bool withLog)
{
    const QSize panel = picture_.pictureSize().panel;
    picture_.move(Margin, Margin);
    download_.move(panel.width() + 2 * Margin, ButtonsTop);
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const int clientWidth = panel.width() + download_.width() + 3 * Margin;
    if (withLog) {
        const int logTop = panel.height() + 2 * Margin;
        const int logBottom = logTop + LogHeight + LogView::ButtonsGap + LogView::ButtonsHeight;
        const int width = std::max(clientWidth, MinClientWidthWithLog);
        setClientSize(width, logBottom + LogBottomGap + StatusPanels::Height);
        log_.show();
        window_.setMinimumHeight(window_.height());
    } else {
        setClientSize(clientWidth, panel.height() + 2 * Margin + StatusPanels::Height);
        log_.hide();
        window_.setFixedHeight(window_.height());
        window_.setMaximumWidth(window_.width());
    }
    window_.setMinimumWidth(window_.width());
    // A window grown by the log must not leave its buttons off the screen.
    if (window_.isVisible())
        keepOnScreen();
}

void MainLayout::windowResized()
{
    const QSize client = clientSize();
    const int logTop = picture_.pictureSize().panel.height() + 2 * Margin;
    log_.setGeometry(Margin, logTop, std::max(client.width() - 2 * Margin, 0),
                     std::max(client.height() - StatusPanels::Height - LogBottomGap - logTop, 0));
}

QSize MainLayout::clientSize() const
{
    return {window_.width(), window_.height() - window_.menuBar()->heightForWidth(window_.width())};
}

void MainLayout::setClientSize(int width, int height)
{
    window_.resize(width, height + window_.menuBar()->heightForWidth(width));
    windowResized();
}

void MainLayout::keepOnScreen()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame = window_.frameGeometry();
    const QPoint place =
        ScreenFit::placed(frame, areas, primary ? primary->availableGeometry() : QRect());
    if (place != frame.topLeft())
        window_.move(place);
}
