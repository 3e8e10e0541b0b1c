#include "inidocument.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

// Only ASCII letters fold: the file is 8-bit text of no particular code page.
bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

// New lines follow the file's first line end; a file without one is a Windows file.
QByteArray lineEndOf(QByteArrayView text)
{
    const qsizetype lf = text.indexOf('\n');
    return (lf < 0 || (lf > 0 && text[lf - 1] == '\r')) ? QByteArrayLiteral("\r\n")
                                                        : QByteArrayLiteral("\n");
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct LineInfo {
    LineKind kind = LineKind::Other;
    QByteArrayView name;       // section or key name, without blanks
    qsizetype afterEquals = 0; // key lines: just after the "="
    qsizetype valueStart = 0;  // key lines: where the value begins, after "=" and blanks
};

LineInfo classify(QByteArrayView content)
{
    const QByteArrayView text = trimmed(content);
    if (text.isEmpty())
        return {LineKind::Blank, {}, 0, 0};
    if (text.front() == ';')
        return {LineKind::Comment, {}, 0, 0};
    if (text.front() == '[') {
        const qsizetype close = text.indexOf(']');
        if (close > 0)
            return {LineKind::Section, trimmed(text.sliced(1, close - 1)), 0, 0};
    }
    const qsizetype eq = content.indexOf('=');
    if (eq < 0)
        return {LineKind::Other, {}, 0, 0};
    qsizetype valueStart = eq + 1;
    while (valueStart < content.size() && isBlank(content[valueStart]))
        ++valueStart;
    return {LineKind::Key, trimmed(content.first(eq)), eq + 1, valueStart};
}

QByteArray unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    // Not null even when empty, so that "Key=" differs from a missing key.
    return value.isEmpty() ? QByteArray("") : value.toByteArray();
}

std::optional<std::int32_t> parseDecimal(QByteArrayView text)
{
    const bool plus = text.startsWith('+');
    const QByteArrayView digits = text.sliced((plus || text.startsWith('-')) ? 1 : 0);
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    if (plus)
        text = digits; // from_chars takes a minus sign but no plus sign
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.begin(), text.end(), value);
    if (ec != std::errc() || end != text.end())
        return std::nullopt;
    return value;
}

} // namespace

// Where a key is, or where it would go. Keys before the first section belong to none.
struct IniDocument::Place {
    std::optional<std::size_t> section; // header line of the first matching section
    std::optional<std::size_t> key;     // first matching key line within it
    std::size_t lastEntry = 0;          // last line of the section that is not blank or comment
};

// A line ends at LF; a CR right before it belongs to the line end. Any other CR is text. A
// UTF-8 byte-order mark (Windows Notepad writes one) belongs to no line, so that the first
// section is seen; it stays in the text and is written back with it.
IniDocument::IniDocument(QByteArray text) : text_(std::move(text))
{
    const QByteArrayView view(text_);
    for (qsizetype start = view.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
         start < view.size();) {
        const qsizetype lf = view.indexOf('\n', start);
        const qsizetype next = lf < 0 ? view.size() : lf + 1;
        qsizetype end = lf < 0 ? view.size() : lf;
        if (lf >= 0 && end > start && view[end - 1] == '\r')
            --end;
        lines_.push_back({start, end - start, next});
        start = next;
    }
}

QByteArrayView IniDocument::content(std::size_t line) const
{
    return QByteArrayView(text_).sliced(lines_[line].start, lines_[line].length);
}

bool IniDocument::endsWithBlankLine() const
{
    return !lines_.empty() && classify(content(lines_.size() - 1)).kind == LineKind::Blank;
}

IniDocument::Place IniDocument::locate(QByteArrayView section, QByteArrayView key) const
{
    Place place;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineInfo line = classify(content(i));
        if (line.kind == LineKind::Section) {
            if (place.section)
                break;
            if (sameName(line.name, section))
                place.section = place.lastEntry = i;
            continue;
        }
        if (!place.section || line.kind == LineKind::Blank || line.kind == LineKind::Comment)
            continue;
        place.lastEntry = i;
        if (line.kind == LineKind::Key && !place.key && sameName(line.name, key))
            place.key = i;
    }
    return place;
}

QList<QByteArray> IniDocument::sectionNames() const
{
    QList<QByteArray> names;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (const LineInfo line = classify(content(i)); line.kind == LineKind::Section)
            names.append(line.name.toByteArray());
    return names;
}

QByteArrayView IniDocument::valueAt(std::size_t line) const
{
    const QByteArrayView text = content(line);
    return trimmed(text.sliced(classify(text).valueStart));
}

QByteArray IniDocument::readString(QByteArrayView section, QByteArrayView key,
                                   const QByteArray& def) const
{
    const Place place = locate(trimmed(section), trimmed(key));
    return place.key ? unquoted(valueAt(*place.key)) : def;
}

std::int32_t IniDocument::readInteger(QByteArrayView section, QByteArrayView key,
                                      std::int32_t def) const
{
    return parseDecimal(readString(section, key, {})).value_or(def);
}

// A name or value that would read back as something else, or split the line, is refused.
QString IniDocument::refusal(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    section = trimmed(section);
    key = trimmed(key);
    const auto breaksLine = [](QByteArrayView text) {
        return text.contains('\n') || text.contains('\r');
    };
    if (section.isEmpty() || breaksLine(section) || section.contains(']'))
        return QCoreApplication::translate("IniFile", "invalid section name");
    if (key.isEmpty() || breaksLine(key) || key.contains('=') || key.front() == ';' ||
        key.front() == '[')
        return QCoreApplication::translate("IniFile", "invalid key name");
    if (breaksLine(value))
        return QCoreApplication::translate("IniFile", "line break in value");
    return {};
}

QString IniDocument::writeString(QByteArrayView section, QByteArrayView key,
                                 const QByteArray& value)
{
    if (QString why = refusal(section, key, value); !why.isEmpty())
        return why;
    *this = IniDocument(withValue(trimmed(section), trimmed(key), value));
    return {};
}

QString IniDocument::writeInteger(QByteArrayView section, QByteArrayView key, std::int32_t value)
{
    return writeString(section, key, QByteArray::number(value));
}

QByteArray IniDocument::withValue(QByteArrayView section, QByteArrayView key,
                                  QByteArrayView value) const
{
    const Place place = locate(section, key);
    QByteArray result = text_;
    if (place.key) {
        // Everything up to the value (indent, the key's own spelling, blanks around "=") and
        // the line end stay; a value that begins with blanks brings its own, so that writing
        // it again changes nothing.
        const Line& line = lines_[*place.key];
        const LineInfo info = classify(content(*place.key));
        const bool ownBlanks = !value.isEmpty() && isBlank(value.front());
        const qsizetype from = line.start + (ownBlanks ? info.afterEquals : info.valueStart);
        return result.replace(from, line.start + line.length - from, value);
    }
    const QByteArray eol = lineEndOf(text_);
    const QByteArray entry = key.toByteArray() + '=' + value.toByteArray() + eol;
    if (place.section) {
        // After the last entry, so blank lines and comments that close the section stay last.
        const Line& last = lines_[place.lastEntry];
        return result.insert(last.next, last.hasEnd() ? entry : eol + entry);
    }
    if (!lines_.empty() && !result.endsWith('\n'))
        result += eol;
    if (!lines_.empty() && !endsWithBlankLine())
        result += eol;
    return result + '[' + section.toByteArray() + ']' + eol + entry;
}
