#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// The picture shown while a download waits for the instrument: the two steps that start the
// transfer, in the user's language. English keeps the built-in pictures as they are; another
// language is drawn on their paper and palette, in their navy, where their text stands, in a
// face that has the language's letters. The text wraps, a line may grow wider than the English
// ones, and the letters shrink only when nothing else makes the text fit.
class WaitingPicture {
public:
    // The two steps, without their numbers.
    struct Steps {
        QString hold;  // 1: the instrument into HOLD mode
        QString level; // 2: LEVEL starts the transfer
        bool operator==(const Steps&) const = default;
    };

    // The steps in the installed translation, worded for a picture of `size`: the smallest
    // picture has a shorter wording of its own.
    [[nodiscard]] static Steps steps(QSize size);
    // The steps the built-in pictures show.
    [[nodiscard]] static Steps englishSteps();

    // `builtIn` (TXT128x64, TXT256x128 or TXT512x256) in the installed translation.
    [[nodiscard]] static QImage translated(const QImage& builtIn);
    // `builtIn` with `steps` drawn in place of its own text. `builtIn` itself for the English
    // steps, a size that is none of the three, or steps that fit no legible size of letters.
    [[nodiscard]] static QImage draw(const QImage& builtIn, const Steps& steps);
    // Where the text of a picture of `size` may lie: clear of the edges and of the counter
    // shown over the picture's lower part. Empty for a size that is none of the three.
    [[nodiscard]] static QRect textArea(QSize size);
};
