#pragma once

#include <QString>

#include <cstdio>

// Standard error as the tool uses it: on a terminal one line that keeps being rewritten in
// place (countdown, progress); end lines and messages that stay.
class StatusLine {
public:
    StatusLine(std::FILE* stream, bool terminal, bool quiet)
        : stream_(stream), live_(terminal && !quiet), quiet_(quiet)
    {
    }
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;

    // Replaces the line being rewritten; only on a terminal, and not when quiet.
    void show(const QString& text);
    // Removes the line being rewritten.
    void clear();
    // An end line: stays, unless quiet.
    void report(const QString& text);
    // A message: always stays.
    void print(const QString& text);

private:
    void write(const QByteArray& bytes);

    std::FILE* stream_;
    bool live_;
    bool quiet_;
    QString text_; // the rewritten line as it is on the screen
};
