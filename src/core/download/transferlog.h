#pragma once

#include "xmodemstep.h"

#include <QString>
#include <QStringList>

// Every line of the log of an exchange, made from what happened: the same words for the window
// and orvisnap-capture, one group of lines per call, decided by the caller when it is due.
namespace TransferLog {
[[nodiscard]] QString thinSeparator();  // after each exchange
[[nodiscard]] QString thickSeparator(); // at the end of a download

[[nodiscard]] QStringList waiting(); // the port is open, the request about to go out
// The judged read: "Rx: N byte(s)", its hex dump and, for a lone EOT, "EOT".
[[nodiscard]] QStringList read(const XModemStep& step);
// The judgement of the read and the answer that was sent.
[[nodiscard]] QStringList answer(const XModemStep& step);
[[nodiscard]] QStringList cancelled(); // the user or a signal ended the download
[[nodiscard]] QStringList timedOut();
[[nodiscard]] QStringList lineLost();
[[nodiscard]] QStringList noData();
[[nodiscard]] QStringList complete();
[[nodiscard]] QStringList stopped();
} // namespace TransferLog
