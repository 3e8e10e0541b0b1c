#include "statusline.h"

#include <QByteArray>

void StatusLine::show(const QString& text)
{
    if (!live_ || text == text_)
        return;
    // Blanks over what a longer line before left behind.
    write('\r' + text.leftJustified(text_.size()).toLocal8Bit());
    text_ = text;
}

void StatusLine::clear()
{
    if (text_.isEmpty())
        return;
    write('\r' + QByteArray(text_.size(), ' ') + '\r');
    text_.clear();
}

void StatusLine::report(const QString& text)
{
    if (!quiet_)
        print(text);
}

void StatusLine::print(const QString& text)
{
    clear();
    write(text.toLocal8Bit() + '\n');
}

void StatusLine::write(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream_);
    std::fflush(stream_);
}
