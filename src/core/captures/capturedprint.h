#pragma once

#include "captureinfo.h"

#include <QImage>

// The printable copy of a kept picture: the printable picture with its note and its time on
// lines of their own under it, in dark text on white.
[[nodiscard]] QImage CapturedPrint(const QImage& picture, const CaptureInfo& info);
