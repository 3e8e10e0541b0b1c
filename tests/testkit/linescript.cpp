#include "linescript.h"

#include "lineopening.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"

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
    // As a real line: once closed, nothing goes out, nothing comes in, nothing is told.
    void close() override
    {
        if (open_)
            script_.readyRead_ = nullptr;
        open_ = false;
    }
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
    void onReadyRead(std::function<void()> handler) override
    {
        if (open_)
            script_.readyRead_ = std::move(handler);
    }
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

void LineScript::arrive(std::int64_t atMs, const QByteArray& bytes)
{
    arrivals_.emplace(atMs, bytes);
    announcements_.insert(atMs);
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

void LineScript::wakeAt(std::int64_t atMs, std::function<void()> handler)
{
    wakeAtMs_ = std::max(atMs, nowMs_);
    wake_ = std::move(handler);
}

void LineScript::cancelWake()
{
    wakeAtMs_ = -1;
    wake_ = nullptr;
}

DownloadResult LineScript::run(ScreenshotDownload& download, RecordingListener& listener,
                               RequestPolicy policy)
{
    listener.result.reset();
    if (download.start(port(), policy))
        runUntil([&listener] { return listener.result.has_value(); }, nowMs_ + 600000);
    if (!listener.result)
        download.abort();
    return listener.result.value_or(DownloadResult{});
}

void LineScript::runUntil(const std::function<bool()>& done, std::int64_t limitMs)
{
    while (!done() && nowMs_ <= limitMs && step()) {
    }
}

bool LineScript::step()
{
    std::int64_t next = -1;
    const auto earlier = [&next](std::int64_t at) {
        if (next < 0 || at < next)
            next = at;
    };
    if (wake_)
        earlier(wakeAtMs_);
    if (!actions_.empty())
        earlier(actions_.begin()->first);
    if (!announcements_.empty())
        earlier(*announcements_.begin());
    if (next < 0)
        return false;
    nowMs_ = std::max(nowMs_, next);
    while (!actions_.empty() && actions_.begin()->first <= nowMs_) {
        const std::function<void()> action = actions_.begin()->second;
        actions_.erase(actions_.begin());
        action();
    }
    bool told = false;
    while (!announcements_.empty() && *announcements_.begin() <= nowMs_) {
        announcements_.erase(announcements_.begin());
        told = true;
    }
    if (told && readyRead_)
        if (const std::function<void()> handler = readyRead_)
            handler();
    if (wake_ && wakeAtMs_ <= nowMs_) {
        const std::function<void()> handler = std::exchange(wake_, nullptr);
        wakeAtMs_ = -1;
        handler();
    }
    return true;
}
