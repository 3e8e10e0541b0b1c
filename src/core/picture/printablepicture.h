#pragma once

#include <QImage>

// A printer-friendly copy of a screen picture: every colour inverted (255 minus each channel),
// then the most frequent colour of the result set to pure white, so a dark screen with bright
// traces becomes dark traces on white paper. Ties go to the colour met first, row by row from
// the top left. Alpha is kept. A palette picture stays a palette picture.
[[nodiscard]] QImage PrintablePicture(const QImage& picture);
