#include "systemportprobe.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype digitRunEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && isAsciiDigit(text[from]))
        ++from;
    return from;
}

QStringView withoutLeadingZeros(QStringView digits)
{
    qsizetype zeros = 0;
    while (zeros < digits.size() && digits[zeros] == QLatin1Char('0'))
        ++zeros;
    return digits.sliced(zeros);
}

// Negative, zero or positive. Equal digit runs may differ in leading zeros only.
int compareNumbers(QStringView a, QStringView b)
{
    const QStringView x = withoutLeadingZeros(a);
    const QStringView y = withoutLeadingZeros(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

int naturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isAsciiDigit(a[i]) && isAsciiDigit(b[j])) {
            const qsizetype iEnd = digitRunEnd(a, i);
            const qsizetype jEnd = digitRunEnd(b, j);
            if (const int c = compareNumbers(a.sliced(i, iEnd - i), b.sliced(j, jEnd - j)); c != 0)
                return c;
            i = iEnd;
            j = jEnd;
        } else if (a[i] != b[j]) {
            return a[i] < b[j] ? -1 : 1;
        } else {
            ++i;
            ++j;
        }
    }
    const qsizetype restA = a.size() - i;
    const qsizetype restB = b.size() - j;
    return restA == restB ? 0 : (restA < restB ? -1 : 1);
}

QStringView fileName(const QString& path)
{
    return QStringView(path).sliced(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// A comma would split the settings file's and the port list's records in the wrong place.
bool recordable(const QString& path)
{
    return !path.isEmpty() && !path.contains(QLatin1Char(','));
}

// Links such as /dev/serial/by-id/... name the same device as the node they point to.
bool sameDevice(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString target = QFileInfo(a).canonicalFilePath();
    return !target.isEmpty() && target == QFileInfo(b).canonicalFilePath();
}

bool alreadyListed(const QMap<int, QString>& ports, const QString& path)
{
    return std::any_of(ports.cbegin(), ports.cend(),
                       [&path](const QString& listed) { return sameDevice(listed, path); });
}

} // namespace

QMap<int, QString> SystemPortProbe::assign(const QMap<int, QString>& pinned,
                                           QStringList systemPorts)
{
    QMap<int, QString> ports;
    for (auto it = pinned.cbegin(); it != pinned.cend(); ++it)
        if (it.key() >= 1 && it.key() <= MaxNumbered && recordable(it.value()))
            ports.insert(it.key(), it.value());
    std::sort(systemPorts.begin(), systemPorts.end(), naturalLess);
    int n = 1;
    for (const QString& path : std::as_const(systemPorts)) {
        if (!recordable(path) || alreadyListed(ports, path))
            continue;
        while (ports.contains(n))
            ++n;
        if (n > MaxNumbered)
            break;
        ports.insert(n, path);
    }
    return ports;
}

bool SystemPortProbe::naturalLess(const QString& a, const QString& b)
{
    if (const int c = naturalCompare(fileName(a), fileName(b)); c != 0)
        return c < 0;
    if (const int c = naturalCompare(a, b); c != 0)
        return c < 0;
    return a < b;
}
