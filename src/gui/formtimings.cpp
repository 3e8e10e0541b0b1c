#include "formtimings.h"

#include "mainform.h"
#include "textfit.h"
#include "uicolours.h"
#include "uifonts.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
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
struct TFormTimings::Section {
    int top;
    QString titleName, title;
    QString valueName;
    QString unitName, unit;
    QString barName;
    int minimum, maximum, designPosition;
    QString textName, text;
    int textWidth;
};

TFormTimings::TFormTimings(TMainForm& mainForm, QWidget* parent)
    : NoEscapeDialog(parent), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("FormTimings"));
    setWindowTitle(tr("Timings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(UiFonts::dialogFont());
    setFixedSize(369, 289);
    createControls();
    TextFit::fit(this, {{btnCancel, btnOK}, {Shape1, Shape2}});
}

// Controls are created in tab order: the three track bars, then Cancel, then OK.
void TFormTimings::createControls()
{
    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 353, 225);

    tbTimeout = addSection(
        {8, QStringLiteral("Label1"), tr("Transfer start timeout"), QStringLiteral("lblTimeout"),
         QStringLiteral("Label2"), tr("seconds"), QStringLiteral("tbTimeout"), 5, 30, 10,
         QStringLiteral("Label4"),
         //: DSO: the instrument, a digital storage oscilloscope
         tr("This is the time you have to press the buttons on your DSO to start transfer."), 129},
        lblTimeout);
    Shape1 = addBar(GroupBox1, QStringLiteral("Shape1"), 72);
    tbRxDelay = addSection(
        {80, QStringLiteral("Label3"), tr("Rx delay"), QStringLiteral("lblRxDelay"),
         QStringLiteral("Label7"), tr("milliseconds"), QStringLiteral("tbRxDelay"), 10, 100, 20,
         QStringLiteral("Label6"),
         tr("Here you set an additional delay between request and buffer reading. You should "
            "increase it on fast systems."),
         137},
        lblRxDelay);
    Shape2 = addBar(GroupBox1, QStringLiteral("Shape2"), 144);
    tbNAKDelay = addSection(
        {152, QStringLiteral("Label5"), tr("NAK delay"), QStringLiteral("lblNAKDelay"),
         QStringLiteral("Label8"), tr("milliseconds"), QStringLiteral("tbNAKDelay"), 10, 100, 30,
         QStringLiteral("Label9"),
         tr("Transfer errors are answered by sending NAKs. Sometimes it helps, to have a little "
            "delay here."),
         137},
        lblNAKDelay);
    connect(tbTimeout, &QSlider::valueChanged, this, &TFormTimings::tbTimeoutChange);
    connect(tbRxDelay, &QSlider::valueChanged, this, &TFormTimings::tbRxDelayChange);
    connect(tbNAKDelay, &QSlider::valueChanged, this, &TFormTimings::tbNAKDelayChange);

    btnCancel = addButton(QStringLiteral("btnCancel"), tr("Cancel"), 200);
    btnOK = addButton(QStringLiteral("btnOK"), tr("OK"), 280);
    connect(btnCancel, &QPushButton::clicked, this, &TFormTimings::btnCancelClick);
    connect(btnOK, &QPushButton::clicked, this, &TFormTimings::btnOKClick);
}

QSlider* TFormTimings::addSection(const Section& s, QLabel*& valueLabel)
{
    QLabel* title = addLabel(GroupBox1, s.titleName, s.title, {24, s.top, 153, 13}, C::Navy);
    valueLabel = addLabel(GroupBox1, s.valueName, QString::number(s.designPosition),
                          {24, s.top + 20, 41, 13}, C::Maroon);
    QFont bold;
    bold.setBold(true);
    valueLabel->setFont(bold);
    addLabel(GroupBox1, s.unitName, s.unit, {72, s.top + 20, 95, 13}, C::Black)
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);
    addLabel(GroupBox1, s.textName, s.text, {200, s.top, s.textWidth, 57}, C::Teal)
        ->setWordWrap(true);

    auto* bar = new QSlider(Qt::Horizontal, GroupBox1);
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
QPushButton* TFormTimings::addButton(const QString& name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(left, 248, 75, 25);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

void TFormTimings::FormShow()
{
    // A track bar clamps a stored value that lies outside its range.
    const DownloadTimings timings = mainForm_.downloadTimings();
    tbTimeout->setValue(timings.timeoutSeconds);
    tbRxDelay->setValue(timings.rxDelayMs);
    tbNAKDelay->setValue(timings.nakDelayMs);
    // A bar that keeps its position reports no change, so its label is refreshed here.
    tbTimeoutChange();
    tbRxDelayChange();
    tbNAKDelayChange();
}

void TFormTimings::tbTimeoutChange()
{
    lblTimeout->setText(QString::number(tbTimeout->value()));
}

void TFormTimings::tbRxDelayChange()
{
    lblRxDelay->setText(QString::number(tbRxDelay->value()));
}

void TFormTimings::tbNAKDelayChange()
{
    lblNAKDelay->setText(QString::number(tbNAKDelay->value()));
}

void TFormTimings::btnOKClick()
{
    // A running download reads them at each wait, so they apply at once.
    mainForm_.setDownloadTimings({tbTimeout->value(), tbRxDelay->value(), tbNAKDelay->value()});
    accept();
}

void TFormTimings::btnCancelClick()
{
    reject();
}

void TFormTimings::showEvent(QShowEvent* event)
{
    // Only a showing from hidden reloads; restoring a minimised window keeps the user's moves.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
