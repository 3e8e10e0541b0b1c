#pragma once

#include "capture.h"

#include <QImage>
#include <QWidget>

class QActionGroup;
class QBoxLayout;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTimer;
class ScaledImage;

// Two kept pictures compared, in three ways: side by side at the same zoom; blinking, the two
// in turn at a chosen rate (Space pauses); and their difference, the pixels that differ drawn
// strong over the first one dimmed, with their count. Pictures of different sizes are compared
// at the larger size, the other centred.
class CompareWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode { SideBySide, Blink, Difference };

    explicit CompareWindow(QWidget* parent);

    // `first` is the earlier picture: the difference is drawn over it.
    void compare(const Capture& first, const Capture& second);
    void setMode(Mode mode);
    [[nodiscard]] Mode mode() const { return mode_; }
    [[nodiscard]] qsizetype differingPixels() const { return differing_; }
    [[nodiscard]] bool blinking() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createSideBySide();
    QWidget* createBlink();
    QWidget* createDifference();
    void createModeActions(QBoxLayout* layout);
    void onBlinkTimer();
    void onSpacePressed();
    void setBlinkRate(int perSecond);
    void showBlinkPicture(int which);

    Mode mode_ = Mode::SideBySide;
    QActionGroup* modes_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    ScaledImage* firstPicture_ = nullptr;
    ScaledImage* secondPicture_ = nullptr;
    QLabel* firstCaption_ = nullptr;
    QLabel* secondCaption_ = nullptr;
    ScaledImage* blinkPicture_ = nullptr;
    QLabel* blinkCaption_ = nullptr;
    QSpinBox* blinkRate_ = nullptr;
    QTimer* blinkTimer_ = nullptr;
    ScaledImage* differencePicture_ = nullptr;
    QLabel* differenceCount_ = nullptr;
    QImage canvases_[2];
    QString captions_[2];
    int blinkShown_ = 0;
    qsizetype differing_ = 0;
};
