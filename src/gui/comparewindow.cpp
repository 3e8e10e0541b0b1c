#include "comparewindow.h"

#include "capturelistmodel.h"
#include "picturedifference.h"
#include "scaledimage.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <array>

namespace {
ScaledImage* addPicture(QBoxLayout* layout, const QString& name, QWidget* parent)
{
    auto* picture = new ScaledImage(parent);
    picture->setObjectName(name);
    picture->setMinimumSize(160, 120);
    picture->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(picture, 1);
    return picture;
}

QLabel* addCaption(QBoxLayout* layout, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return label;
}
} // namespace

CompareWindow::CompareWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(tr("Compare pictures"));
    auto* layout = new QVBoxLayout(this);
    createModeActions(layout);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(createSideBySide());
    pages_->addWidget(createBlink());
    pages_->addWidget(createDifference());
    layout->addWidget(pages_, 1);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    resize(900, 460);
}

void CompareWindow::createModeActions(QBoxLayout* layout)
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("compareModes"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(bar);
    modes_ = new QActionGroup(this);
    const std::array<std::pair<const char*, QString>, 3> items{{
        {"sideBySideAction", tr("Side by side")},
        {"blinkAction", tr("Blink")},
        {"differenceAction", tr("Difference")},
    }};
    for (int i = 0; i < 3; ++i) {
        QAction* action = bar->addAction(items[i].second);
        action->setObjectName(QLatin1String(items[i].first));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::Key_1 + i));
        modes_->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setMode(static_cast<Mode>(i)); });
    }
    modes_->actions().first()->setChecked(true);
}

QWidget* CompareWindow::createSideBySide()
{
    auto* page = new QWidget(this);
    auto* row = new QHBoxLayout(page);
    for (int i = 0; i < 2; ++i) {
        auto* column = new QVBoxLayout;
        ScaledImage* picture = addPicture(
            column, i == 0 ? QStringLiteral("firstPicture") : QStringLiteral("secondPicture"),
            page);
        QLabel* caption = addCaption(
            column, i == 0 ? QStringLiteral("firstCaption") : QStringLiteral("secondCaption"),
            page);
        (i == 0 ? firstPicture_ : secondPicture_) = picture;
        (i == 0 ? firstCaption_ : secondCaption_) = caption;
        row->addLayout(column, 1);
    }
    return page;
}

QWidget* CompareWindow::createBlink()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    blinkPicture_ = addPicture(column, QStringLiteral("blinkPicture"), page);
    blinkCaption_ = addCaption(column, QStringLiteral("blinkCaption"), page);
    auto* rateRow = new QHBoxLayout;
    //: Beside the number of pictures shown each second while two blink
    auto* rateLabel = new QLabel(tr("Rate:"), page);
    blinkRate_ = new QSpinBox(page);
    blinkRate_->setObjectName(QStringLiteral("blinkRate"));
    blinkRate_->setRange(1, 10);
    blinkRate_->setValue(2);
    //: After the blink rate's number: pictures shown each second
    blinkRate_->setSuffix(tr(" per second"));
    rateLabel->setBuddy(blinkRate_);
    blinkRate_->installEventFilter(this);
    auto* hint = new QLabel(tr("Space pauses"), page);
    rateRow->addStretch();
    rateRow->addWidget(rateLabel);
    rateRow->addWidget(blinkRate_);
    rateRow->addSpacing(16);
    rateRow->addWidget(hint);
    rateRow->addStretch();
    column->addLayout(rateRow);
    blinkTimer_ = new QTimer(this);
    blinkTimer_->setObjectName(QStringLiteral("blinkTimer"));
    connect(blinkTimer_, &QTimer::timeout, this, &CompareWindow::onBlinkTimer);
    connect(blinkRate_, &QSpinBox::valueChanged, this, &CompareWindow::setBlinkRate);
    setBlinkRate(blinkRate_->value());
    return page;
}

QWidget* CompareWindow::createDifference()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    differencePicture_ = addPicture(column, QStringLiteral("differencePicture"), page);
    differenceCount_ = addCaption(column, QStringLiteral("differenceCount"), page);
    return page;
}

void CompareWindow::compare(const Capture& first, const Capture& second)
{
    const QImage firstImage(first.path);
    const QImage secondImage(second.path);
    const PictureDifference difference(firstImage, secondImage);
    canvases_[0] = PictureDifference::centred(firstImage, difference.size());
    canvases_[1] = PictureDifference::centred(secondImage, difference.size());
    captions_[0] = CaptureListModel::timeText(first.info.time);
    captions_[1] = CaptureListModel::timeText(second.info.time);
    firstPicture_->setImage(canvases_[0]);
    secondPicture_->setImage(canvases_[1]);
    firstCaption_->setText(captions_[0]);
    secondCaption_->setText(captions_[1]);
    differencePicture_->setImage(difference.overlay());
    differing_ = difference.count();
    differenceCount_->setText(
        differing_ == 0 ? tr("The pictures are the same.")
                        : tr("Pixels that differ: %n", nullptr, static_cast<int>(differing_)));
    showBlinkPicture(0);
    setMode(mode_);
}

void CompareWindow::setMode(Mode mode)
{
    mode_ = mode;
    const int page = static_cast<int>(mode);
    pages_->setCurrentIndex(page);
    modes_->actions().at(page)->setChecked(true);
    if (mode == Mode::Blink)
        blinkTimer_->start();
    else
        blinkTimer_->stop();
}

bool CompareWindow::blinking() const
{
    return blinkTimer_->isActive();
}

// Space is a key of the window, not a shortcut: it pauses also while the rate's field has the
// focus (a number takes no space), and wherever the window's focus is.
bool CompareWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == blinkRate_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        onSpacePressed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CompareWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space) {
        QWidget::keyPressEvent(event);
        return;
    }
    onSpacePressed();
}

void CompareWindow::onBlinkTimer()
{
    showBlinkPicture(1 - blinkShown_);
}

void CompareWindow::onSpacePressed()
{
    if (mode_ != Mode::Blink)
        return;
    if (blinkTimer_->isActive())
        blinkTimer_->stop();
    else
        blinkTimer_->start();
}

void CompareWindow::setBlinkRate(int perSecond)
{
    blinkTimer_->setInterval(1000 / std::max(1, perSecond));
}

void CompareWindow::showBlinkPicture(int which)
{
    blinkShown_ = which;
    blinkPicture_->setImage(canvases_[which]);
    //: While two pictures blink: which one shows (1 or 2) and its time
    blinkCaption_->setText(tr("%1: %2").arg(which + 1).arg(captions_[which]));
}
