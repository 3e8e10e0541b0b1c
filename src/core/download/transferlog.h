#pragma once

#include "sessionstep.h"

#include <QString>
#include <QStringList>

// Every line of the log of an exchange, made from the facts the transfer session gives: the
// same words for the window and orvisnap-capture, one group of lines per fact, written by the
// front end only if logging is on when it is due. Never translated: people compare and post it.
namespace TransferLog {
[[nodiscard]] QString thinSeparator();  // after each exchange
[[nodiscard]] QString thickSeparator(); // at the end of a download

[[nodiscard]] QStringList waiting();   // the port is open, the request about to go out
[[nodiscard]] QStringList cancelled(); // the user or a signal asks the download to stop
[[nodiscard]] QStringList lines(const LogFact& fact);

// The judged read: "Rx: N byte(s)", its hex dump and, for a lone EOT, "EOT".
[[nodiscard]] QStringList read(const XModemStep& step);
// The judgement of the read and the answer that was sent.
[[nodiscard]] QStringList answer(const XModemStep& step);
} // namespace TransferLog
