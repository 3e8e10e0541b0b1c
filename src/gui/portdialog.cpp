#include "portdialog.h"

#include "downloadport.h"
#include "textfit.h"
#include "uifonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

PortDialog::PortDialog(QWidget* parent) : NoEscapeDialog(parent)
{
    setObjectName(QStringLiteral("portDialog"));
    setWindowTitle(tr("COM settings"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(UiFonts::dialogFont());
    setFixedSize(231, 216);
    createControls();
    showLineSettings();
    // The group box's style sheet gives its children their fonts as they are polished: the
    // texts are measured in those.
    ensurePolished();
    TextFit::fit(this, {{cancelButton_, okButton_}, {}});
}

// Controls are created in tab order: the six lists, then Cancel, then OK.
void PortDialog::createControls()
{
    settingsBox_ = new QGroupBox(tr(" Settings "), this);
    settingsBox_->setObjectName(QStringLiteral("settingsBox"));
    settingsBox_->setGeometry(8, 8, 217, 169);
    // Qt's own styles draw the frame under the caption, across the Port list; the dialog is laid
    // out for a frame line through the middle of the caption.
    settingsBox_->setStyleSheet(
        QStringLiteral("#settingsBox { border: 1px solid palette(mid); border-radius: 2px;"
                       " margin-top: %1px; }"
                       "#settingsBox::title { subcontrol-origin: margin; left: 7px; }")
            .arg(settingsBox_->fontMetrics().height() / 2));
    portList_ = addList(QStringLiteral("portList"), QT_TR_NOOP("Port"), 0);
    baudList_ = addList(QStringLiteral("baudRateList"), QT_TR_NOOP("Baud rate"), 1);
    dataBitsList_ = addList(QStringLiteral("dataBitsList"), QT_TR_NOOP("Data bits"), 2);
    stopBitsList_ = addList(QStringLiteral("stopBitsList"), QT_TR_NOOP("Stop bits"), 3);
    parityList_ = addList(QStringLiteral("parityList"), QT_TR_NOOP("Parity"), 4);
    flowControlList_ = addList(QStringLiteral("flowControlList"), QT_TR_NOOP("Flow control"), 5);

    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(62, 184, 75, 25);
    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(142, 184, 75, 25);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &PortDialog::onOkClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* PortDialog::addList(const QString& name, const char* caption, int row)
{
    auto* list = new QComboBox(settingsBox_);
    auto* label = new QLabel(QString::fromLatin1(caption), settingsBox_);
    label->setObjectName(name + QStringLiteral("Label"));
    // Wider where the font needs it, up to the list: "Flow control" is wider than 70 pixels in
    // some fonts. Measured in English: a longer translation makes room for itself (TextFit),
    // from the same design as every language.
    constexpr int LabelWidth = 70;
    constexpr int UpToTheList = 72;
    label->setGeometry(8, 24 + 24 * row,
                       std::clamp(label->sizeHint().width(), LabelWidth, UpToTheList), 13);
    label->setText(tr(caption));
    label->setBuddy(list);
    list->setObjectName(name);
    list->setEditable(false);
    list->setGeometry(80, 16 + 24 * row, 129, 21);
    return list;
}

// The line every download opens the port with, whatever was chosen before: shown, not chosen.
void PortDialog::showLineSettings()
{
    for (const std::int32_t rate : LineSettings::BaudRates)
        baudList_->addItem(QString::number(rate));
    dataBitsList_->addItems({QStringLiteral("7"), QStringLiteral("8")});
    // A technical notation, as on the instrument and in every serial tool: "1.5" in every
    // language, a decimal comma or not.
    stopBitsList_->addItems({LineSettings::stopBitsText(LineSettings::StopBits::One),
                             LineSettings::stopBitsText(LineSettings::StopBits::OneAndHalf),
                             LineSettings::stopBitsText(LineSettings::StopBits::Two)});
    //: Parity of the serial line
    parityList_->addItems({tr("None", "parity"), tr("Odd"), tr("Even"), tr("Mark"), tr("Space")});
    //: Flow control of the serial line
    flowControlList_->addItems({tr("None", "flow control"), tr("Software"), tr("Hardware")});
    const LineSettings& line = DownloadLineSettings;
    baudList_->setCurrentText(QString::number(line.baudRate));
    dataBitsList_->setCurrentIndex(line.dataBits == 7 ? 0 : 1);
    stopBitsList_->setCurrentIndex(static_cast<int>(line.stopBits));
    parityList_->setCurrentIndex(static_cast<int>(line.parity));
    flowControlList_->setCurrentIndex(0);
    for (QComboBox* list : {baudList_, dataBitsList_, stopBitsList_, parityList_, flowControlList_})
        list->setEnabled(false);
}

// Each entry's tooltip tells which device the port is, so that the user can find the
// instrument: what the system says about it, and its device path ("COMn" alone says nothing
// outside Windows).
void PortDialog::setPorts(const ComPortList& ports, std::int32_t chosen)
{
    ports_ = ports;
    chosen_ = chosen;
    portList_->clear();
    for (const ComPortInfo& port : ports.ports()) {
        const QString tip = port.description.isEmpty()
                                ? port.devicePath
                                : port.description + QLatin1Char('\n') + port.devicePath;
        portList_->addItem(port.name(), port.number);
        portList_->setItemData(portList_->count() - 1, tip, Qt::ToolTipRole);
    }
    portList_->setCurrentIndex(portList_->findData(chosen));
}

void PortDialog::onOkClicked()
{
    // No selection (the stored port was not detected) keeps the port it was given.
    if (portList_->currentIndex() >= 0)
        chosen_ = portList_->currentData().toInt();
    accept();
}
