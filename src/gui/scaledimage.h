#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture centred and scaled up or down to the largest size that fits while keeping
// its aspect ratio.
class ScaledImage : public QWidget {
    Q_OBJECT
public:
    explicit ScaledImage(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    [[nodiscard]] const QImage& image() const { return image_; }
    // Where the picture is drawn, in this widget's coordinates.
    [[nodiscard]] QRect drawnRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};
