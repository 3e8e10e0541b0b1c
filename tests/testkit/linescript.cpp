#include "linescript.h"

#include "lineopening.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

// The line of the scripted port; the script keeps everything, since the port drops its line at
// every close.
class ScriptedLine final : public SerialLine {
public:
    explicit ScriptedLine(LineScript& script) : script_(script) {}

    [[nodiscard]] Opened open(const QString& /*device*/) override
    {
        const Opened opened = script_.open();
        open_ = opened.ok();
        return opened;
    }
    [[nodiscard]] bool configure(const LineSettings& /*settings*/) override { return true; }
    [[nodiscard]] QString errorString() const override { return {}; }
    // As a real line: once closed, nothing goes out and nothing comes in.
    void close() override { open_ = false; }
    void resetDevice() override {}
    void write(const QByteArray& bytes) override
    {
        if (open_)
            script_.write(bytes);
    }
    [[nodiscard]] QByteArray readAvailable() override
    {
        return open_ ? script_.take() : QByteArray();
    }
    void waitForData(std::int64_t maxMs) override { script_.waitForData(maxMs); }
    [[nodiscard]] bool lost() const override { return script_.lost(); }

private:
    LineScript& script_;
    bool open_ = false;
};

// Opens a new scripted line each time, with the refusal words a real line would give.
class ScriptedPort final : public DownloadPort {
public:
    explicit ScriptedPort(LineScript& script) : script_(script) {}

    [[nodiscard]] Outcome open() override
    {
        auto line = std::make_shared<ScriptedLine>(script_);
        if (Outcome opened = OpenDevice(*line, QStringLiteral("line")); !opened)
            return opened;
        line_ = std::move(line);
        return {};
    }
    [[nodiscard]] std::shared_ptr<SerialLine> line() const override { return line_; }
    void close() override
    {
        if (const std::shared_ptr<SerialLine> line = std::exchange(line_, nullptr))
            line->close();
    }

private:
    LineScript& script_;
    std::shared_ptr<SerialLine> line_;
};

LineScript::LineScript() : port_(std::make_unique<ScriptedPort>(*this)) {}

LineScript::~LineScript() = default;

void LineScript::delay(std::int64_t milliseconds)
{
    advance(nowMs_ + std::max<std::int64_t>(milliseconds, 0));
}

void LineScript::arrive(std::int64_t atMs, const QByteArray& bytes)
{
    arrivals_.emplace(atMs, bytes);
}

void LineScript::at(std::int64_t atMs, std::function<void()> action)
{
    actions_.emplace(atMs, std::move(action));
}

void LineScript::playInstrument(const QByteArrayList& messages, std::int64_t replyMs)
{
    messages_ = messages;
    replyMs_ = replyMs;
    messagesSent_ = 0;
    bytesWritten_ = 0;
}

void LineScript::refuseOpen(SerialLine::Refusal refusal, const QString& words)
{
    refusal_ = {refusal, words};
}

QByteArray LineScript::written() const
{
    QByteArray all;
    for (const Write& write : writes_)
        all += write.bytes;
    return all;
}

SerialLine::Opened LineScript::open()
{
    ++opens_;
    return refusal_;
}

void LineScript::write(const QByteArray& bytes)
{
    writes_.append({nowMs_, bytes});
    bytesWritten_ += bytes.size();
    // One message for the two-byte request, then one for each answer.
    const qsizetype due = std::max<qsizetype>(0, bytesWritten_ - 1);
    while (messagesSent_ < due && messagesSent_ < messages_.size())
        arrive(nowMs_ + replyMs_, messages_[messagesSent_++]);
}

QByteArray LineScript::take()
{
    QByteArray bytes;
    while (!arrivals_.empty() && arrivals_.begin()->first <= nowMs_) {
        bytes += arrivals_.begin()->second;
        arrivals_.erase(arrivals_.begin());
    }
    return bytes;
}

bool LineScript::hasArrived() const
{
    return !arrivals_.empty() && arrivals_.begin()->first <= nowMs_;
}

void LineScript::advance(std::int64_t untilMs)
{
    while (!actions_.empty() && actions_.begin()->first <= untilMs) {
        const auto due = actions_.begin();
        nowMs_ = std::max(nowMs_, due->first);
        const std::function<void()> action = due->second;
        actions_.erase(due);
        action();
    }
    nowMs_ = std::max(nowMs_, untilMs);
    QCoreApplication::processEvents(); // the front end's events flow during every wait
}

void LineScript::waitForData(std::int64_t maxMs)
{
    if (hasArrived())
        return;
    std::int64_t until = nowMs_ + std::max<std::int64_t>(maxMs, 0);
    if (!arrivals_.empty())
        until = std::min(until, arrivals_.begin()->first);
    advance(until);
}
