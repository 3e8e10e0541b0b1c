#include "hexdump.h"

QString MakeHexStr(const QByteArray& data)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    QString text;
    text.reserve(data.size() * 3 + (data.size() / 16) * 2);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        text += QLatin1Char(digits[byte >> 4]);
        text += QLatin1Char(digits[byte & 0x0F]);
        text += QLatin1Char(' ');
        if ((i + 1) % 16 == 0 && i + 1 < data.size())
            text += QLatin1String("\r\n");
    }
    return text;
}
