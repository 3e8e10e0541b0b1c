#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture centred and scaled up or down to the largest size that fits while keeping
// its aspect ratio. A picture scaled by a whole factor is drawn with square, unblended pixels;
// any other factor is smoothed, so thin traces survive a reduction.
class ScaledImage : public QWidget {
    Q_OBJECT
public:
    explicit ScaledImage(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    [[nodiscard]] const QImage& image() const { return image_; }
    // Where the picture is drawn, in this widget's coordinates.
    [[nodiscard]] QRect drawnRect() const;
    // True when the drawn size is a whole multiple of the picture's own size.
    [[nodiscard]] bool drawnCrisp() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QImage smoothed_; // image_ scaled to the drawn size, made when first painted
};
