#include "unitport.h"

#include "myserial.h"

Outcome UnitPort::open()
{
    const LineSettings& s = DownloadLineSettings;
    const Outcome opened =
        ComOpenChecked(ComPortNumber, s.baudRate, s.dataBits, s.parity, s.stopBits);
    if (!opened)
        ComClose(); // a port held after a failed configuration is released too
    return opened;
}

std::shared_ptr<SerialLine> UnitPort::line() const
{
    return ComLine();
}

void UnitPort::close()
{
    ComClose();
}
