#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

// The text of an INI file in memory, read and edited by the rules of IniFile (which see), so
// that many keys cost one read and one write of the file. An edit touches only the one line it
// replaces or adds: every other byte, the order and the line ends stay as they were.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(QByteArray text);

    [[nodiscard]] const QByteArray& text() const { return text_; }
    // The names of the sections, in order, as spelt there.
    [[nodiscard]] QList<QByteArray> sectionNames() const;
    [[nodiscard]] QByteArray readString(QByteArrayView section, QByteArrayView key,
                                        const QByteArray& def) const;
    [[nodiscard]] std::int32_t readInteger(QByteArrayView section, QByteArrayView key,
                                           std::int32_t def) const;

    // Why the names or the value cannot be written (empty when they can).
    [[nodiscard]] static QString refusal(QByteArrayView section, QByteArrayView key,
                                         QByteArrayView value);
    // Sets the key as IniFile::writeString does; a refusal (its reason) changes nothing.
    [[nodiscard]] QString writeString(QByteArrayView section, QByteArrayView key,
                                      const QByteArray& value);
    [[nodiscard]] QString writeInteger(QByteArrayView section, QByteArrayView key,
                                       std::int32_t value);

private:
    // One line of the text: where its text begins, its length without the line end, and where
    // the next line begins.
    struct Line {
        qsizetype start = 0;
        qsizetype length = 0;
        qsizetype next = 0;

        [[nodiscard]] bool hasEnd() const { return next > start + length; }
    };
    struct Place;

    [[nodiscard]] Place locate(QByteArrayView section, QByteArrayView key) const;
    [[nodiscard]] QByteArrayView content(std::size_t line) const;
    [[nodiscard]] QByteArrayView valueAt(std::size_t line) const;
    [[nodiscard]] bool endsWithBlankLine() const;
    [[nodiscard]] QByteArray withValue(QByteArrayView section, QByteArrayView key,
                                       QByteArrayView value) const;

    QByteArray text_;
    std::vector<Line> lines_;
};
