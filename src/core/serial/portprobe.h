#pragma once

#include <QString>

#include <functional>

// Tells for port number n (1 to 30) the device path of COMn, or an empty text when there is no
// such port. Tests hand in their own; the program uses SystemPortProbe.
using PortProbe = std::function<QString(int)>;

// Looks at the machine's ports as they are now and gives the probe for that moment. The serial
// unit keeps it and runs it at start and each time the port list is refreshed, so that one
// detection sees one consistent picture of the ports.
using PortScan = std::function<PortProbe()>;
