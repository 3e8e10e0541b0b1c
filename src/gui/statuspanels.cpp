#include "statuspanels.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace {
constexpr int Padding = 4; // frame and margin on each side of a text

QLabel* addPanel(QStatusBar* bar, const QString& name, const QString& accessibleName, int width)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(name);
    panel->setFixedWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAccessibleName(accessibleName);
    return panel;
}
} // namespace

StatusPanels::StatusPanels(QStatusBar* bar) : QObject(bar)
{
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(Height);
    // The port state's panel grows where a translation of "closed" needs more room.
    const QFontMetrics metrics(bar->font());
    const int stateText =
        std::max(metrics.horizontalAdvance(tr("open")), metrics.horizontalAdvance(tr("closed")));
    lineSettings_ = addPanel(bar, QStringLiteral("lineSettingsPanel"), tr("Line settings"), 120);
    portState_ = addPanel(bar, QStringLiteral("portStatePanel"), tr("Port state"),
                          std::max(50, stateText + 2 * Padding));
    message_ = addPanel(bar, QStringLiteral("messagePanel"), tr("Progress"), 50);
    // The last panel reaches to the right edge, as a native status bar's last part does, so the
    // progress of a download or a file name fits; its text never widens the window.
    message_->setMaximumWidth(QWIDGETSIZE_MAX);
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(lineSettings_);
    bar->addWidget(portState_);
    bar->addWidget(message_, 1);
    setPortOpen(false);
}

void StatusPanels::setLineSettings(const QString& text)
{
    lineSettings_->setText(text);
}

void StatusPanels::setPortOpen(bool open)
{
    portState_->setText(open ? tr("open") : tr("closed"));
}

void StatusPanels::setDownloadText(const QString& text)
{
    downloadText_ = text;
    pictureTexts_.clear();
    showMessage();
}

void StatusPanels::addPictureText(const QString& text)
{
    pictureTexts_ << text;
    showMessage();
}

void StatusPanels::showMessage()
{
    // After the download's own ending ("Received 38 KB"), which stays in front; how two
    // sentences follow each other is the language's own.
    QString text = downloadText_;
    for (const QString& pictureText : pictureTexts_)
        text = text.isEmpty() ? pictureText
                              //: The status bar: %1 how the download ended (e.g. "Received 38
                              //: KB"), %2 what became of the picture saved into the folder (e.g.
                              //: "Saved DSO_2026-01-31_14-05-09.png")
                              : tr("%1. %2").arg(text, pictureText);
    message_->setText(text);
    message_->setToolTip(text);
}
