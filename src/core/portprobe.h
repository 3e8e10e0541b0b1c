#pragma once

#include <QString>

#include <functional>

// Tells for port number n (1 to 30) the device path of COMn, or an empty text when there is no
// such port. Tests hand in their own; the program uses SystemPortProbe.
using PortProbe = std::function<QString(int)>;
