#pragma once

#include "outcome.h"

#include <QFile>
#include <QStringList>

// The hex log of the exchange, appended to a file as the window's log saves it: 8-bit text,
// every line ended by CR LF. Lines are written as they come, so the file can be followed.
class CaptureLog {
public:
    [[nodiscard]] bool isOpen() const { return file_.isOpen(); }
    Outcome open(const QString& path);
    // A failed write is reported once; the log then stays quiet, the captures go on.
    Outcome append(const QStringList& lines);

private:
    QFile file_;
    bool failed_ = false;
};
