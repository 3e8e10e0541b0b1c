#pragma once

#include "noescapedialog.h"

class TMainForm;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

// The modeless Timings dialog: start time-out, receive delay and NAK delay of the main window.
// Its only values are its track bars; it loads them at each showing and writes them on OK.
class TFormTimings : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit TFormTimings(TMainForm& mainForm, QWidget* parent = nullptr);

    void tbTimeoutChange();
    void tbRxDelayChange();
    void tbNAKDelayChange();
    void btnOKClick();
    void btnCancelClick();

    // Controls
    QGroupBox* GroupBox1 = nullptr;
    QLabel* lblTimeout = nullptr;
    QLabel* lblRxDelay = nullptr;
    QLabel* lblNAKDelay = nullptr;
    QSlider* tbTimeout = nullptr;
    QSlider* tbRxDelay = nullptr;
    QSlider* tbNAKDelay = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* Shape2 = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Section; // the design of one timing's controls
    void createControls();
    QSlider* addSection(const Section& section, QLabel*& valueLabel);
    QPushButton* addButton(const QString& name, const QString& caption, int left);
    void FormShow();

    TMainForm& mainForm_;
};
