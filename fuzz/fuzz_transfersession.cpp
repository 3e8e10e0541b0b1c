// The transfer session under arbitrary line traffic: bytes of any kind arriving in pieces of
// any size at any time, a stop or a lost line at any moment, timings of any size.
//
// Input: one byte of flags (bit 0: logging, the log's lines are made; bit 1: the front end asks
// to stop at the last arrival; bit 2: the line is lost at the last arrival; bit 3: the request is
// repeated every 2 s while waiting, as orvisnap-capture asks; bits 4-7: the start
// time-out, 1 to 16 s), the timings RxDelay and NAKDelay as 32-bit little-endian integers (taken
// modulo 1001 ms), then arrivals, each a 16-bit little-endian gap in milliseconds since the
// previous one, a 16-bit little-endian length and that many bytes (fewer at the end).
//
// The session is called as a driver calls it: at the time it asks, sooner when bytes arrive and
// it asks for that. It must start with two single NAKs; write nothing but single ACKs and NAKs,
// two NAKs to ask again, and three CANs only as it ends; always ask to be called later than now;
// keep data only from a read of one block whose CRC matches, exactly that block's data, always
// whole blocks; end exactly once, with one ending in the log; do nothing once ended; and end by
// itself within its time-outs when nothing more comes.

#include "fuzzcheck.h"
#include "transferlog.h"
#include "transfersession.h"

#include <vector>

namespace {

struct Arrival {
    QByteArray bytes;
    std::int64_t atMs = 0;
};

struct Input {
    bool logging = false;
    bool stop = false;
    bool lose = false;
    RequestPolicy policy;
    DownloadTimings timings;
    std::vector<Arrival> arrivals;
};

class Cursor {
public:
    Cursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    [[nodiscard]] bool atEnd() const { return at_ >= size_; }

    // Little-endian; missing bytes count as zero.
    std::uint32_t number(int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i, ++at_)
            value |= (at_ < size_ ? std::uint32_t(data_[at_]) : 0U) << (8 * i);
        return value;
    }

    QByteArray bytes(std::size_t count)
    {
        const std::size_t taken = at_ < size_ ? std::min(count, size_ - at_) : 0;
        QByteArray out = bytesOf(data_ + std::min(at_, size_), taken);
        at_ += taken;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

Input parse(const std::uint8_t* data, std::size_t size)
{
    Cursor cursor(data, size);
    Input input;
    const std::uint32_t flags = cursor.number(1);
    input.logging = (flags & 1U) != 0;
    input.stop = (flags & 2U) != 0;
    input.lose = (flags & 4U) != 0;
    input.policy.repeatEveryMs = (flags & 8U) != 0 ? 2000 : 0;
    input.timings.timeoutSeconds = static_cast<std::int32_t>(1 + (flags >> 4));
    input.timings.rxDelayMs = static_cast<std::int32_t>(cursor.number(4) % 1001);
    input.timings.nakDelayMs = static_cast<std::int32_t>(cursor.number(4) % 1001);
    std::int64_t now = 0;
    while (!cursor.atEnd()) {
        now += cursor.number(2);
        const std::uint32_t length = cursor.number(2);
        input.arrivals.push_back({cursor.bytes(length), now});
    }
    return input;
}

// CRC-16/XMODEM bit by bit, apart from the table the receiver uses.
std::uint16_t crcOf(const char* data, int size)
{
    unsigned crc = 0;
    for (int i = 0; i < size; ++i) {
        crc ^= static_cast<unsigned>(static_cast<unsigned char>(data[i])) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000U) ? (crc << 1) ^ 0x1021U : crc << 1;
    }
    return static_cast<std::uint16_t>(crc);
}

bool blockWithMatchingCrc(const QByteArray& read)
{
    if (read.size() != XModemReceiver::BlockSize)
        return false;
    const auto byte = [&](int i) { return static_cast<unsigned>(static_cast<uchar>(read[i])); };
    return crcOf(read.constData() + 3, XModemReceiver::DataSize) == (byte(131) << 8 | byte(132));
}

class Checker {
public:
    Checker(TransferSession& session, bool logging) : session_(session), logging_(logging) {}

    void step(const SessionStep& step, std::int64_t nowMs)
    {
        require(!ended_ || (step.writes.isEmpty() && step.log.isEmpty() && !step.ending),
                "nothing happens once the session has ended");
        checkWrites(step);
        QByteArray judged;
        int endings = 0;
        for (const LogFact& fact : step.log) {
            if (fact.kind == LogFact::Kind::Read)
                judged = fact.step.read;
            endings += fact.kind == LogFact::Kind::Ending ? 1 : 0;
            if (logging_)
                require(!TransferLog::lines(fact).isEmpty(), "every fact has its words");
        }
        require(endings == (step.ending ? 1 : 0), "an ending is logged once, with the ending");
        checkKept(judged);
        if (!ended_ && !step.ending)
            require(step.wakeAtMs > nowMs, "the session always asks to be called later");
        ended_ = ended_ || step.ending.has_value();
    }

    [[nodiscard]] bool ended() const { return ended_; }

private:
    void checkWrites(const SessionStep& step)
    {
        const QByteArray nak(1, XModemReceiver::NAK);
        const QByteArray ack(1, XModemReceiver::ACK);
        require(step.writes.size() <= 3, "one answer and the request again at most, per call");
        for (const QByteArray& bytes : step.writes) {
            if (bytes == QByteArray(3, XModemReceiver::CAN))
                require(step.ending && !cancelled_, "three CANs only once, as the session ends");
            else
                require(bytes == nak || bytes == ack, "answers are single ACKs and NAKs");
            cancelled_ = cancelled_ || bytes.size() == 3;
        }
    }

    void checkKept(const QByteArray& judged)
    {
        const QByteArray& kept = session_.collected();
        require(kept.size() % XModemReceiver::DataSize == 0, "whole blocks only");
        if (kept != kept_) {
            require(blockWithMatchingCrc(judged), "data comes from a block with a matching CRC");
            require(kept == kept_ + judged.mid(3, XModemReceiver::DataSize),
                    "exactly the block's data is kept");
        }
        kept_ = kept;
    }

    TransferSession& session_;
    bool logging_;
    bool ended_ = false;
    bool cancelled_ = false;
    QByteArray kept_;
};

// The driver in small: every call at the time the session asks for, or sooner with bytes.
void drive(TransferSession& session, const Input& input)
{
    Checker checker(session, input.logging);
    SessionStep step = session.start(0, input.timings);
    require(step.writes == QByteArrayList({QByteArray(1, XModemReceiver::NAK),
                                           QByteArray(1, XModemReceiver::NAK)}),
            "the request is two single NAKs");
    checker.step(step, 0);
    const std::int64_t lastMs = input.arrivals.empty() ? 0 : input.arrivals.back().atMs;
    // Nothing more comes: the time-outs end it, at the latest three silences after the last byte.
    const std::int64_t endByMs =
        lastMs + 3 * 1000 * std::int64_t{input.timings.timeoutSeconds} + 2 * 1000 + 3000;
    std::size_t next = 0;
    bool stopped = false;
    std::int64_t now = 0;
    while (!checker.ended()) {
        require(now <= endByMs, "the session ends by itself when nothing more comes");
        std::int64_t at = step.wakeAtMs;
        if (step.wakeOnData && next < input.arrivals.size())
            at = std::min(at, std::max(now, input.arrivals[next].atMs));
        now = at;
        SessionInput in{now, {}, input.lose && now >= lastMs, input.timings};
        for (; next < input.arrivals.size() && input.arrivals[next].atMs <= now; ++next)
            in.bytes += input.arrivals[next].bytes;
        if (input.stop && !stopped && now >= lastMs) {
            stopped = true;
            session.requestStop();
        }
        step = session.wake(in);
        checker.step(step, now);
    }
    checker.step(session.wake({now + 1000, QByteArray(1, XModemReceiver::EOT), false, {}}), now);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Input input = parse(data, size);
    TransferSession session(input.policy);
    drive(session, input);
    return 0;
}
