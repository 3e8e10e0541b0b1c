#include "captureport.h"

#include "myserial.h"
#include "systemportprobe.h"

CapturePort CapturePort::choose(const std::optional<PortArgument>& given,
                                std::optional<std::int32_t> stored, const QString& iniPath)
{
    if (given && given->isPath()) {
        const QString path = given->path;
        return {[path](int n) { return n == 1 ? path : QString(); }, 1, true};
    }
    return {SystemPortProbe::make(iniPath), given ? std::optional(given->number) : stored,
            given.has_value()};
}

std::int32_t CapturePort::resolved() const
{
    return number.value_or(ComPortNumber);
}

QString CapturePort::deviceName(std::int32_t number)
{
    const QString path = ComPortField(ComFindByNumber(number), 2);
    return path.isEmpty() ? QStringLiteral("COM%1").arg(number) : path;
}
