// The settings file under arbitrary contents: a read and a write of one key.
//
// Input: section, key and value, each ended by a backslash and one more byte ("\\" stands for
// a backslash), then the file's bytes. A write that is not refused must leave every byte of
// the old file outside one line where it was, read back as written (for values the reader does
// not trim or unquote), and a second write of the same value must change nothing. A refused
// write must leave the file as it was.

#include "fuzzcheck.h"
#include "inifile.h"

#include <QFile>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

namespace {

QString scratchFile()
{
    static const QTemporaryDir dir;
    require(dir.isValid(), "a temporary folder");
    return dir.filePath(QStringLiteral("fuzz.ini"));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "the file can be read back");
    return file.readAll();
}

void replace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes) == bytes.size(),
            "the file can be written");
}

QByteArray nextString(FuzzedDataProvider& input, std::size_t maxLength)
{
    const std::string text = input.ConsumeRandomLengthString(maxLength);
    return {text.data(), static_cast<qsizetype>(text.size())};
}

// True when `now` is `old` with one stretch of `old` replaced (or an insertion), and the
// stretch that went lies within one line. Where the two agree ambiguously (repeated bytes),
// any placement of the stretch may count.
bool changedWithinOneLine(const QByteArray& old, const QByteArray& now)
{
    const qsizetype shortest = std::min(old.size(), now.size());
    qsizetype prefix = 0;
    while (prefix < shortest && old[prefix] == now[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shortest && old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const qsizetype shrink = std::max<qsizetype>(0, old.size() - now.size());
    // nextBreak[i]: the first line feed at or after i.
    std::vector<qsizetype> nextBreak(static_cast<std::size_t>(old.size()) + 1, old.size());
    for (qsizetype i = old.size() - 1; i >= 0; --i)
        nextBreak[std::size_t(i)] = old[i] == '\n' ? i : nextBreak[std::size_t(i) + 1];
    // The stretch [from, to) that went: old keeps [0, from) in front and [to, end) behind.
    for (qsizetype from = prefix; from >= 0; --from) {
        const qsizetype to = std::max({from + shrink, old.size() - suffix, from});
        if (to <= old.size() && nextBreak[std::size_t(from)] >= to)
            return true;
    }
    return false;
}

bool plainName(const QByteArray& name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

// A value the reader gives back unchanged: no blanks to trim, no quotes to take off.
bool readsBackVerbatim(const QByteArray& value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (!value.isEmpty() && (blank(value.front()) || blank(value.back())))
        return false;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !quoted;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QByteArray section = nextString(input, 40);
    const QByteArray key = nextString(input, 40);
    const QByteArray value = nextString(input, 80);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray old(rest.data(), static_cast<qsizetype>(rest.size()));

    const QString path = scratchFile();
    replace(path, old);
    IniFile ini(path);
    (void)ini.readString(section, key, {});
    (void)ini.readInteger(section, key, -1);

    const Outcome written = ini.writeString(section, key, value);
    const QByteArray now = contents(path);
    if (!written) {
        require(now == old, "a refused write leaves the file alone");
        require(written.reason().contains(path), "a refusal names the file");
        const bool ordinary =
            plainName(section) && plainName(key) && !value.contains('\n') && !value.contains('\r');
        require(!ordinary, "plain names and a one-line value are never refused");
        return 0;
    }
    require(changedWithinOneLine(old, now), "only the written line changes");
    const QByteArray back = ini.readString(section, key, {});
    require(!back.isNull(), "the written key is found");
    if (readsBackVerbatim(value))
        require(back == value, "the value reads back as written");
    require(ini.writeString(section, key, value).ok(), "the same write again succeeds");
    require(contents(path) == now, "the same write again changes nothing");
    return 0;
}
