#include "timingsdialog.h"

#include "textfit.h"
#include "uicolours.h"
#include "uifonts.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace {
using C = UiColours;

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                 const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    C::set(label, QPalette::WindowText, colour);
    return label;
}

QFrame* addBar(QWidget* parent, const QString& name, int top)
{
    QFrame* bar = C::addBar(parent, name, {16, top, 321, 2});
    C::set(bar, QPalette::Window, C::Silver);
    return bar;
}
} // namespace

// Each timing takes one band of the group box: title, value and unit, track bar, and a
// word-wrapped explanation to the right.
struct TimingsDialog::Section {
    int top;
    QString titleName, title;
    QString valueName;
    QString unitName, unit;
    QString barName;
    int minimum, maximum, designPosition;
    QString textName, text;
    int textWidth;
};

TimingsDialog::TimingsDialog(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("timingsDialog"));
    setWindowTitle(tr("Timings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::dialogFont());
    setFixedSize(369, 289);
    createControls();
    TextFit::fit(this, {buttons_, rules_});
}

// Controls are created in tab order: the three track bars, then Cancel, then OK.
void TimingsDialog::createControls()
{
    timingsBox_ = new QGroupBox(this);
    timingsBox_->setObjectName(QStringLiteral("timingsBox"));
    timingsBox_->setGeometry(8, 8, 353, 225);
    using Range = DownloadTimings::Range;
    const Range timeout = DownloadTimings::TimeoutRange;
    const Range rxDelay = DownloadTimings::RxDelayRange;
    const Range nakDelay = DownloadTimings::NakDelayRange;

    timeoutBar_ = addSection(
        {8, QStringLiteral("timeoutTitle"), tr("Transfer start timeout"),
         QStringLiteral("timeoutValue"), QStringLiteral("timeoutUnit"), tr("seconds"),
         QStringLiteral("timeoutBar"), timeout.minimum, timeout.maximum, 10,
         QStringLiteral("timeoutHelp"),
         //: DSO: the instrument, a digital storage oscilloscope
         tr("This is the time you have to press the buttons on your DSO to start transfer."), 129},
        timeoutValue_);
    rules_ << addBar(timingsBox_, QStringLiteral("firstRule"), 72);
    rxDelayBar_ = addSection(
        {80, QStringLiteral("rxDelayTitle"), tr("Rx delay"), QStringLiteral("rxDelayValue"),
         QStringLiteral("rxDelayUnit"), tr("milliseconds"), QStringLiteral("rxDelayBar"),
         rxDelay.minimum, rxDelay.maximum, 20, QStringLiteral("rxDelayHelp"),
         tr("Here you set an additional delay between request and buffer reading. You should "
            "increase it on fast systems."),
         137},
        rxDelayValue_);
    rules_ << addBar(timingsBox_, QStringLiteral("secondRule"), 144);
    nakDelayBar_ = addSection(
        {152, QStringLiteral("nakDelayTitle"), tr("NAK delay"), QStringLiteral("nakDelayValue"),
         QStringLiteral("nakDelayUnit"), tr("milliseconds"), QStringLiteral("nakDelayBar"),
         nakDelay.minimum, nakDelay.maximum, 30, QStringLiteral("nakDelayHelp"),
         tr("Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little "
            "delay here."),
         137},
        nakDelayValue_);
    for (QSlider* bar : {timeoutBar_, rxDelayBar_, nakDelayBar_})
        connect(bar, &QSlider::valueChanged, this, &TimingsDialog::showValues);

    QPushButton* cancel = addButton(QStringLiteral("cancelButton"), tr("Cancel"), 200);
    QPushButton* ok = addButton(QStringLiteral("okButton"), tr("OK"), 280);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &TimingsDialog::onOkClicked);
    buttons_ = {cancel, ok};
}

QSlider* TimingsDialog::addSection(const Section& s, QLabel*& valueLabel)
{
    QLabel* title = addLabel(timingsBox_, s.titleName, s.title, {24, s.top, 153, 13}, C::Navy);
    valueLabel = addLabel(timingsBox_, s.valueName, QString::number(s.designPosition),
                          {24, s.top + 20, 41, 13}, C::Maroon);
    QFont bold;
    bold.setBold(true);
    valueLabel->setFont(bold);
    addLabel(timingsBox_, s.unitName, s.unit, {72, s.top + 20, 95, 13}, C::Black)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    addLabel(timingsBox_, s.textName, s.text, {200, s.top, s.textWidth, 57}, C::Teal)
        ->setWordWrap(true);

    auto* bar = new QSlider(Qt::Horizontal, timingsBox_);
    bar->setObjectName(s.barName);
    bar->setGeometry(16, s.top + 32, 161, 25);
    bar->setRange(s.minimum, s.maximum);
    bar->setTickPosition(QSlider::NoTicks);
    bar->setSingleStep(1);
    bar->setPageStep(2);
    bar->setValue(s.designPosition);
    title->setBuddy(bar); // its name for a screen reader
    return bar;
}

// Enter and Escape are left without meaning: neither button is a default one.
QPushButton* TimingsDialog::addButton(const QString& name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(left, 248, 75, 25);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void TimingsDialog::setTimings(const DownloadTimings& timings)
{
    timeoutBar_->setValue(timings.timeoutSeconds);
    rxDelayBar_->setValue(timings.rxDelayMs);
    nakDelayBar_->setValue(timings.nakDelayMs);
    // A bar that keeps its position reports no change.
    showValues();
}

DownloadTimings TimingsDialog::timings() const
{
    return {timeoutBar_->value(), rxDelayBar_->value(), nakDelayBar_->value()};
}

void TimingsDialog::showValues()
{
    timeoutValue_->setText(QString::number(timeoutBar_->value()));
    rxDelayValue_->setText(QString::number(rxDelayBar_->value()));
    nakDelayValue_->setText(QString::number(nakDelayBar_->value()));
}

void TimingsDialog::onOkClicked()
{
    // A running download reads them at each wait, so they apply at once.
    emit timingsChosen(timings());
    accept();
}
