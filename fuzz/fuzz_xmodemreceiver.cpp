// The XModem receiver under arbitrary line traffic: reads of any size at any time.
//
// Input: one byte of flags (bit 0: logging, the read's log lines are made), the timings RxDelay
// (unused by the engine) and NAKDelay as 32-bit little-endian integers, then reads, each a 16-bit
// little-endian gap in milliseconds since the previous one, a 16-bit little-endian length and that
// many bytes (fewer at the end).
//
// What is judged is everything fed since the previous judgement. The engine must answer a
// judged read with at most one byte (or, when it gives the transfer up, with the three CANs)
// and anything else with none, keep data only from a read of exactly one block whose CRC
// matches, keep exactly that block's data, and always hold a whole number of 128-byte blocks.

#include "fuzzcheck.h"
#include "transferlog.h"
#include "xmodemreceiver.h"

#include <limits>
#include <vector>

namespace {

struct Read {
    QByteArray bytes;
    std::int64_t atMs = 0;
};

struct Session {
    bool logging = false;
    std::int32_t nakDelayMs = 0;
    std::vector<Read> reads;
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

Session parse(const std::uint8_t* data, std::size_t size)
{
    Cursor cursor(data, size);
    Session session;
    session.logging = (cursor.number(1) & 1U) != 0;
    (void)cursor.number(4); // RxDelay: the driver waits it, the engine never sees it
    session.nakDelayMs = static_cast<std::int32_t>(cursor.number(4));
    std::int64_t now = 0;
    while (!cursor.atEnd()) {
        now += cursor.number(2);
        const std::uint32_t length = cursor.number(2);
        session.reads.push_back({cursor.bytes(length), now});
    }
    // The download polls on until the line has been quiet for longer than any NAKDelay.
    session.reads.push_back({{}, now + std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1});
    return session;
}

// CRC-16/XMODEM bit by bit, apart from the table the engine uses.
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

[[nodiscard]] bool judges(const XModemStep& step)
{
    return step.kind != XModemStep::Kind::Nothing && step.kind != XModemStep::Kind::Incomplete;
}

// A judged read is judged by its length, a block by its CRC.
void checkVerdict(const QByteArray& judged, const XModemStep& step)
{
    using Kind = XModemStep::Kind;
    if (judged.size() == XModemReceiver::BlockSize) {
        require(step.isBlock(), "133 bytes are a block");
        require((step.kind == Kind::BlockRejected) != blockWithMatchingCrc(judged),
                "a block is rejected exactly when its CRC does not match");
    } else if (judged == QByteArray(1, XModemReceiver::EOT)) {
        require(step.kind == Kind::Eot, "a lone EOT ends the transfer");
    } else {
        require(step.kind == Kind::Garbage && step.send == QByteArray(1, XModemReceiver::NAK),
                "any other read is answered with NAK");
    }
}

// What one step may do, given everything fed since the previous judgement.
void checkStep(const QByteArray& judged, const XModemStep& step, const QByteArray& keptBefore,
               const QByteArray& keptAfter)
{
    if (step.ends())
        require(step.send == QByteArray(3, XModemReceiver::CAN),
                "a transfer given up is cancelled");
    else
        require(step.send.size() <= (judges(step) ? 1 : 0),
                "at most one answer byte per judged read");
    require(keptAfter.size() % XModemReceiver::DataSize == 0, "whole blocks only");
    require(step.read == (judges(step) ? judged : QByteArray()),
            "the step carries the judged read");
    if (judges(step))
        checkVerdict(judged, step);
    if (keptAfter == keptBefore) {
        require(step.kind != XModemStep::Kind::BlockAccepted, "an accepted block is kept");
        return;
    }
    require(step.kind == XModemStep::Kind::BlockAccepted,
            "data is kept only from an accepted block");
    require(blockWithMatchingCrc(judged), "an accepted read is one block with a matching CRC");
    require(keptAfter == keptBefore + judged.mid(3, XModemReceiver::DataSize),
            "exactly the block's data is kept");
}

// The download's receive loop in small: start, then every read fed at its time. This is the
// only place that knows how the engine is driven.
template <class Check> void drive(XModemReceiver& engine, const Session& session, Check check)
{
    const QByteArray nak(1, XModemReceiver::NAK);
    require(engine.start() == QByteArrayList({nak, nak}), "the request is two single NAKs");
    for (const Read& read : session.reads) {
        const XModemStep step = engine.feed(read.bytes, read.atMs, session.nakDelayMs);
        if (session.logging)
            require(TransferLog::read(step).isEmpty() == step.read.isEmpty(),
                    "a judged read is logged");
        check(read.bytes, step);
        if (step.ends())
            return; // the download is over; nothing reads the line any more
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Session session = parse(data, size);
    XModemReceiver engine;
    QByteArray judged;
    QByteArray kept;
    drive(engine, session, [&](const QByteArray& read, const XModemStep& step) {
        judged += read;
        checkStep(judged, step, kept, engine.collected());
        kept = engine.collected();
        if (judges(step))
            judged.clear();
    });
    return 0;
}
