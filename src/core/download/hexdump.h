#pragma once

#include <QByteArray>
#include <QString>

// Hex dump for the log: two upper-case digits and a space per byte, CR LF after every 16th
// byte except the last.
[[nodiscard]] QString MakeHexStr(const QByteArray& data);
