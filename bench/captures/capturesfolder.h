#pragma once

#include "outcome.h"

#include <QDateTime>
#include <QImage>
#include <QString>

// A 320 x 240 palette picture like an oscilloscope's screen: grid, two traces, the scale's
// lettering. `phase` moves the traces, so that no two pictures are alike.
[[nodiscard]] QImage ScopeScreen(int phase);

// Fills `folder` (made when missing) as a bench session would: `count` captures of ScopeScreen,
// a minute apart from `first` on, each with a note, written by CaptureStore.
Outcome MakeCapturesFolder(const QString& folder, int count,
                           const QDateTime& first = QDateTime(QDate(2026, 3, 2), QTime(9, 0)));
