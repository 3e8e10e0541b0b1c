#include "deviceport.h"

#include "lineopening.h"
#include "systemserial.h"

DevicePort::DevicePort(QString device, SerialLineFactory makeLine)
    : device_(std::move(device)), makeLine_(std::move(makeLine))
{
}

std::unique_ptr<DevicePort> DevicePort::unknown(const QString& why)
{
    auto port = std::make_unique<DevicePort>(QString());
    port->unknownWhy_ = why;
    return port;
}

Outcome DevicePort::open()
{
    close();
    if (!unknownWhy_.isEmpty())
        return Outcome::failure(unknownWhy_);
    std::shared_ptr<SerialLine> line = makeLine_ ? makeLine_() : SystemSerial::makeLine();
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
