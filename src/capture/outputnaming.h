#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

// Names the files of a series of captures. A given name serves the first capture; later ones
// get "-2", "-3"... before the extension. Without a name each capture is named after the time
// it arrived, and a name already used in the series gets the same kind of suffix.
class OutputNaming {
public:
    enum class Format { Png, Bmp };

    explicit OutputNaming(QString given) : given_(std::move(given)) {}

    [[nodiscard]] bool toStandardOutput() const;
    [[nodiscard]] Format format() const;
    // The folder the pictures go to; empty for standard output.
    [[nodiscard]] QString folder() const;
    // The name as given; empty for names after the time.
    [[nodiscard]] const QString& given() const { return given_; }
    // The name for capture `index` (1 for the first) that arrived at `now`; "-" for standard
    // output. Each call counts as a use.
    [[nodiscard]] QString nameFor(int index, const QDateTime& now);
    // Where bytes that are no picture are kept for capture `index`.
    [[nodiscard]] QString rawNameFor(int index, const QDateTime& now);

    [[nodiscard]] static QString numbered(const QString& name, int index);

private:
    [[nodiscard]] QString unused(const QString& name);

    QString given_;
    QSet<QString> used_;
};
