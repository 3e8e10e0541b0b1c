#include "myserialsetupform.h"

#include "myserial.h"
#include "textfit.h"
#include "uifonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

TMySerialSetupForm::TMySerialSetupForm(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("MySerialSetupForm"));
    setWindowTitle(tr("COM settings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(UiFonts::dialogFont());
    setFixedSize(231, 216);
    createControls();
    FormCreate();
    TextFit::fit(this, {{ButtonCancel, ButtonOK}, {}});
}

// Controls are created in tab order: the six lists, then Cancel, then OK.
void TMySerialSetupForm::createControls()
{
    GroupBox1 = new QGroupBox(tr(" Settings "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 8, 217, 169);
    // Qt's own styles draw the frame under the caption, across the Port list; the dialog is laid
    // out for a frame line through the middle of the caption.
    GroupBox1->setStyleSheet(
        QStringLiteral("#GroupBox1 { border: 1px solid palette(mid); border-radius: 2px;"
                       " margin-top: %1px; }"
                       "#GroupBox1::title { subcontrol-origin: margin; left: 7px; }")
            .arg(GroupBox1->fontMetrics().height() / 2));
    ComboPort = addList(QStringLiteral("ComboPort"), tr("Port"), 0);
    ComboBaud = addList(QStringLiteral("ComboBaud"), tr("Baud rate"), 1);
    ComboDataBits = addList(QStringLiteral("ComboDataBits"), tr("Data bits"), 2);
    ComboStopBits = addList(QStringLiteral("ComboStopBits"), tr("Stop bits"), 3);
    ComboParity = addList(QStringLiteral("ComboParity"), tr("Parity"), 4);
    ComboFlowControl = addList(QStringLiteral("ComboFlowControl"), tr("Flow control"), 5);

    ButtonCancel = new QPushButton(tr("Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setGeometry(62, 184, 75, 25);
    ButtonOK = new QPushButton(tr("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(142, 184, 75, 25);
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TMySerialSetupForm::ButtonOKClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TMySerialSetupForm::ButtonCancelClick);
}

QComboBox* TMySerialSetupForm::addList(const QString& name, const QString& caption, int row)
{
    auto* list = new QComboBox(GroupBox1);
    auto* label = new QLabel(caption, GroupBox1);
    label->setObjectName(QStringLiteral("Label%1").arg(row + 1));
    // Wider where the font needs it, up to the list: "Flow control" is wider than 70 pixels in
    // some fonts. A longer translation makes room for itself (TextFit).
    constexpr int LabelWidth = 70;
    constexpr int UpToTheList = 72;
    label->setGeometry(8, 24 + 24 * row,
                       std::clamp(label->sizeHint().width(), LabelWidth, UpToTheList), 13);
    label->setBuddy(list);
    list->setObjectName(name);
    list->setEditable(false);
    list->setGeometry(80, 16 + 24 * row, 129, 21);
    return list;
}

// Each entry's tooltip tells which device the port is, so that the user can find the
// instrument: what the system says about it, and its device path ("COMn" alone says nothing
// outside Windows).
void TMySerialSetupForm::fillPortList(bool described)
{
    ComboPort->clear();
    for (int i = 0; i < ComPortList.size(); ++i) {
        ComboPort->addItem(ComPortField(i, 1));
        const QString description = described ? ComPortDescription(i) : QString();
        const QString path = ComPortField(i, 2);
        ComboPort->setItemData(i, description.isEmpty() ? path : description + '\n' + path,
                               Qt::ToolTipRole);
    }
}

void TMySerialSetupForm::FormCreate()
{
    // Described when shown: asking the system about each device would hold up the start.
    fillPortList(false);
    for (const std::int32_t rate : ComBaudRates)
        ComboBaud->addItem(QString::number(rate));
    ComboDataBits->addItems({QStringLiteral("7"), QStringLiteral("8")});
    // A technical notation, as on the instrument and in every serial tool: "1.5" in every
    // language, a decimal comma or not.
    ComboStopBits->addItems({QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")});
    //: Parity of the serial line
    ComboParity->addItems({tr("None", "parity"), tr("Odd"), tr("Even"), tr("Mark"), tr("Space")});
    //: Flow control of the serial line
    ComboFlowControl->addItems({tr("None", "flow control"), tr("Software"), tr("Hardware")});
    ComboFlowControl->setEnabled(false);
}

void TMySerialSetupForm::FormShow()
{
    // An adapter plugged in or pulled out since the last showing is seen now.
    ComRefreshPorts();
    fillPortList(true);
    ComboPort->setCurrentIndex(ComFindByNumber(ComPortNumber));
    const int baud = ComboBaud->findText(QString::number(ComBaudRate));
    ComboBaud->setCurrentIndex(baud < 0 ? 0 : baud);
    ComboDataBits->setCurrentIndex(ComDataBits == 7 ? 0 : 1);
    ComboStopBits->setCurrentIndex(StopBitsCode(ComStopBits));
    ComboParity->setCurrentIndex(ParityCode(ComParity));
    ComboFlowControl->setCurrentIndex(0);
}

void TMySerialSetupForm::SetPortOnly()
{
    ComboPort->setEnabled(true);
    for (QComboBox* list : {ComboBaud, ComboDataBits, ComboStopBits, ComboParity})
        list->setEnabled(false);
}

void TMySerialSetupForm::ButtonOKClick()
{
    // No selection (the stored port was not detected) keeps the stored number rather than
    // storing the -1 of a failed lookup.
    const int index = ComFindByName(ComboPort->currentText());
    if (index >= 0)
        ComPortNumber = ComPortNumberAt(index);
    accept();
}

void TMySerialSetupForm::ButtonCancelClick()
{
    reject();
}

void TMySerialSetupForm::showEvent(QShowEvent* event)
{
    // Spontaneous show events come from restoring a minimised window, not from a new showing.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
