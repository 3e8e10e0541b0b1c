#pragma once

#include <QImage>

// A copy of a screen picture for paper: every colour inverted (255 minus each channel), then
// the most frequent colour of the result, the instrument's background, made pure white.
[[nodiscard]] QImage PrintableCopy(const QImage& picture);
