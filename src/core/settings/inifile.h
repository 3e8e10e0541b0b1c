#pragma once

#include "inidocument.h"
#include "outcome.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// An INI file read and written one key at a time, the way the Windows private-profile calls do
// it: every call opens the file, does its work and leaves a complete file behind; or, for many
// keys at once, loaded whole into an IniDocument and saved back whole. Section and key names
// match without regard to ASCII case; values are 8-bit text. A write touches only the one line
// it replaces or adds: every other byte, the order and the line ends stay as they were. A UTF-8
// byte-order mark at the start (Windows Notepad saves one) is passed over and kept.
//
// Duplicates: the first section of a name and the first key of a name within it count, for
// reads and writes alike; later ones are kept but never looked at.
class IniFile {
public:
    explicit IniFile(QString path);

    [[nodiscard]] bool exists() const;
    [[nodiscard]] QString path() const;
    // The names of the file's sections, in file order, as spelt there; none for a missing file.
    [[nodiscard]] QList<QByteArray> sectionNames() const;

    // The whole file in one read: empty for a missing file; nothing for one that cannot be read
    // in full (`why` then says why).
    [[nodiscard]] std::optional<IniDocument> load(QString* why = nullptr) const;
    // Replaces the file by the document as writeString does, creating its folder if needed.
    Outcome save(const IniDocument& document);

    // def when the file, the section or the key is missing. A key with nothing after "=" gives an
    // empty array that is not null, so passing a null def tells "Key=" from a missing key.
    // Blanks around the value and one pair of enclosing quotes ("..." or '...') are dropped.
    [[nodiscard]] QByteArray readString(QByteArrayView section, QByteArrayView key,
                                        const QByteArray& def) const;
    // Decimal with an optional + or -, in the signed 32-bit range; anything else gives def.
    [[nodiscard]] std::int32_t readInteger(QByteArrayView section, QByteArrayView key,
                                           std::int32_t def) const;

    // Replaces the value of the key, or adds "key=value" after the last entry of its section, or
    // adds the section at the end of the file, creating the file and its folder if needed. The
    // file is replaced as a whole (StringToFile), so a failure leaves the old one as it was.
    // Names or a value that would break the line structure (line breaks, "=" in a key, "]" in a
    // section, empty names) are refused. A failure names the file.
    Outcome writeString(QByteArrayView section, QByteArrayView key, const QByteArray& value);
    Outcome writeInteger(QByteArrayView section, QByteArrayView key, std::int32_t value);

    // A write's failure, naming the file.
    [[nodiscard]] Outcome refused(const QString& reason) const;

private:
    QString path_;
};
