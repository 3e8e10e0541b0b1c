#pragma once

#include "comportlist.h"
#include "noescapedialog.h"

#include <cstdint>

class QComboBox;
class QGroupBox;
class QPushButton;

// The modal COM settings dialog: the port is chosen here; the other lists show the line settings
// every download uses. It is given the ports and the chosen one, and hands back the choice.
class PortDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit PortDialog(QWidget* parent = nullptr);

    // `ports` in their order, each with what the system says of its device as tooltip, and
    // `chosen` selected (none when it is not among them).
    void setPorts(const ComPortList& ports, std::int32_t chosen);
    // The port chosen on OK; without a selection, the one it was given.
    [[nodiscard]] std::int32_t chosenPort() const { return chosen_; }

private:
    void createControls();
    QComboBox* addList(const QString& name, const char* caption, int row);
    void showLineSettings();
    void onOkClicked();

    QGroupBox* settingsBox_ = nullptr;
    QComboBox* portList_ = nullptr;
    QComboBox* baudList_ = nullptr;
    QComboBox* dataBitsList_ = nullptr;
    QComboBox* stopBitsList_ = nullptr;
    QComboBox* parityList_ = nullptr;
    QComboBox* flowControlList_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    ComPortList ports_;
    std::int32_t chosen_ = 0;
};
