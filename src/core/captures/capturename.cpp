#include "capturename.h"

#include <QDate>
#include <QTime>

#include <algorithm>

namespace {
constexpr QLatin1StringView Prefix{"DSO_"};
constexpr QLatin1StringView Extension{".png"};
constexpr QLatin1StringView StampShape{"0000-00-00_00-00-00"}; // 0: a digit
constexpr qsizetype MostNumberDigits = 9;                      // fits an int

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool hasShape(QStringView text, QLatin1StringView shape)
{
    if (text.size() != shape.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (shape[i] == QLatin1Char('0') ? !isDigit(text[i]) : text[i] != shape[i])
            return false;
    return true;
}

int field(QStringView stamp, qsizetype from, qsizetype length)
{
    return stamp.mid(from, length).toInt();
}

QDate dateOf(QStringView stamp)
{
    return {field(stamp, 0, 4), field(stamp, 5, 2), field(stamp, 8, 2)};
}

QTime timeOfDay(QStringView stamp)
{
    return {field(stamp, 11, 2), field(stamp, 14, 2), field(stamp, 17, 2)};
}

// Only times a clock shows: a name such as DSO_2026-13-45_... was not written by the program.
bool isStamp(QStringView text)
{
    return hasShape(text, StampShape) && dateOf(text).isValid() && timeOfDay(text).isValid();
}

// The number after the stamp: 1 when there is none, nothing when it is not one FileNames
// gives (2 and up, no leading zero).
std::optional<int> numberOf(QStringView rest)
{
    if (rest.isEmpty())
        return 1;
    if (rest.size() < 2 || rest.size() > 1 + MostNumberDigits || rest[0] != QLatin1Char('_') ||
        rest[1] == QLatin1Char('0'))
        return std::nullopt;
    const QStringView digits = rest.mid(1);
    if (!std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    const int number = digits.toInt();
    return number < 2 ? std::nullopt : std::optional(number);
}
} // namespace

std::optional<CaptureName::Age> CaptureName::ageOf(QStringView fileName)
{
    const qsizetype stampEnd = Prefix.size() + StampShape.size();
    if (fileName.size() < stampEnd + Extension.size() || !fileName.startsWith(Prefix) ||
        !fileName.endsWith(Extension))
        return std::nullopt;
    const QStringView stamp = fileName.mid(Prefix.size(), StampShape.size());
    const auto number =
        numberOf(fileName.mid(stampEnd, fileName.size() - stampEnd - Extension.size()));
    if (!isStamp(stamp) || !number)
        return std::nullopt;
    return Age{stamp.toString(), *number};
}

QDateTime CaptureName::timeOf(QStringView fileName)
{
    if (!ageOf(fileName))
        return {};
    const QStringView stamp = fileName.mid(Prefix.size(), StampShape.size());
    return QDateTime(dateOf(stamp), timeOfDay(stamp));
}
