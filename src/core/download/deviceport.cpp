#include "deviceport.h"

#include "lineopening.h"
#include "myserial.h"

Outcome DevicePort::open()
{
    close();
    std::shared_ptr<SerialLine> line = MakeSerialLine();
    Outcome opened = OpenDevice(*line, device_);
    if (opened)
        opened = ConfigureLine(*line, device_, DownloadLineSettings);
    if (!opened) {
        line->close();
        return opened;
    }
    line_ = std::move(line);
    return {};
}

void DevicePort::close()
{
    if (const std::shared_ptr<SerialLine> line = std::exchange(line_, nullptr))
        line->close();
}
