#pragma once

#include "downloadtimings.h"
#include "noescapedialog.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

// The modeless Timings dialog: start time-out, receive delay and NAK delay. It is given the
// timings when it opens and hands them back on OK.
class TimingsDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit TimingsDialog(QWidget* parent = nullptr);

    // Its track bars set to `timings`; one outside a bar's range is shown at the bar's end.
    void setTimings(const DownloadTimings& timings);
    [[nodiscard]] DownloadTimings timings() const;

signals:
    void timingsChosen(const DownloadTimings& timings);

private:
    struct Section; // the design of one timing's controls
    void createControls();
    QSlider* addSection(const Section& section, QLabel*& valueLabel);
    QPushButton* addButton(const QString& name, const QString& caption, int left);
    void showValues();
    void onOkClicked();

    QGroupBox* timingsBox_ = nullptr;
    QLabel* timeoutValue_ = nullptr;
    QLabel* rxDelayValue_ = nullptr;
    QLabel* nakDelayValue_ = nullptr;
    QSlider* timeoutBar_ = nullptr;
    QSlider* rxDelayBar_ = nullptr;
    QSlider* nakDelayBar_ = nullptr;
    QList<QWidget*> buttons_; // Cancel, OK
    QList<QWidget*> rules_;   // the bars between the sections
};
