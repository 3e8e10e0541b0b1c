#pragma once

#include "noescapedialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The modal COM settings dialog. Only the port can be changed; the other lists show the
// current line settings. It keeps no state of its own: it reads and writes MySerial's.
class TMySerialSetupForm : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit TMySerialSetupForm(QWidget* parent = nullptr);

    void SetPortOnly();
    void ButtonOKClick();
    void ButtonCancelClick();

    // Controls
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ComboPort = nullptr;
    QComboBox* ComboBaud = nullptr;
    QComboBox* ComboDataBits = nullptr;
    QComboBox* ComboStopBits = nullptr;
    QComboBox* ComboParity = nullptr;
    QComboBox* ComboFlowControl = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QPushButton* ButtonOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    QComboBox* addList(const QString& name, const QString& caption, int row);
    void fillPortList(bool described);
    void FormCreate();
    void FormShow();
};
