#pragma once

#include "captureinfo.h"

#include <QString>

// One kept picture: its file and what its text fields say.
struct Capture {
    QString path;
    CaptureInfo info;

    friend bool operator==(const Capture&, const Capture&) = default;
};
