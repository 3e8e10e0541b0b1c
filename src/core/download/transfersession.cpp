#include "transfersession.h"

#include "bmpheader.h"
#include "endingtable.h"
#include "starttimeout.h"

#include <algorithm>
#include <array>

namespace {
using State = TransferSession::State;
using Event = TransferSession::Event;
using Ending = DownloadEnding;
constexpr std::optional<Ending> Stays = std::nullopt;

// Every state the download can be in, and what moves it on. An event a state does not list
// cannot happen there.
// clang-format off
constexpr std::array Transitions{
    TransferSession::Transition{State::WaitingForFirstBlock, Event::Block,            State::Receiving,            Stays},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::Noise,            State::WaitingForFirstBlock, Stays},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::StrayEot,         State::WaitingForFirstBlock, Stays},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::FirstBlockNotOne, State::Ended,                Ending::EarlierTransfer},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::InstrumentCancel, State::Ended,                Ending::InstrumentCancelled},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::StartTimeout,     State::Ended,                Ending::TimedOut},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::Stop,             State::Ended,                Ending::Cancelled},
    TransferSession::Transition{State::WaitingForFirstBlock, Event::LineLost,         State::Ended,                Ending::LineLost},
    TransferSession::Transition{State::Receiving,            Event::Block,            State::Receiving,            Stays},
    TransferSession::Transition{State::Receiving,            Event::Noise,            State::Receiving,            Stays},
    TransferSession::Transition{State::Receiving,            Event::StrayEot,         State::Receiving,            Stays},
    TransferSession::Transition{State::Receiving,            Event::Eot,              State::Ended,                Ending::Complete},
    TransferSession::Transition{State::Receiving,            Event::BlockOutOfTurn,   State::Ended,                Ending::BlockLost},
    TransferSession::Transition{State::Receiving,            Event::InstrumentCancel, State::Ended,                Ending::InstrumentCancelled},
    TransferSession::Transition{State::Receiving,            Event::Silence,          State::Receiving,            Stays},
    TransferSession::Transition{State::Receiving,            Event::LastSilence,      State::Ended,                Ending::InstrumentSilent},
    TransferSession::Transition{State::Receiving,            Event::Stop,             State::Ended,                Ending::Cancelled},
    TransferSession::Transition{State::Receiving,            Event::LineLost,         State::Ended,                Ending::LineLost},
};
// clang-format on

const QByteArray Nak(1, XModemReceiver::NAK);
// A delay of 0 (orvisnap-capture takes one) still lets the event loop breathe between reads.
constexpr std::int64_t MinWaitMs = 1;
} // namespace

std::optional<TransferSession::Transition> TransferSession::transition(State state, Event event)
{
    for (const Transition& row : Transitions)
        if (row.from == state && row.event == event)
            return row;
    return std::nullopt;
}

TransferSession::TransferSession(RequestPolicy policy) : policy_(policy) {}

SessionStep TransferSession::start(std::int64_t nowMs, const DownloadTimings& timings)
{
    requestedAtMs_ = nowMs;
    lastActivityMs_ = nowMs;
    secondsLeft_ = timings.timeoutSeconds;
    SessionStep step;
    step.writes = {Nak, Nak};
    schedule(step, {nowMs, {}, false, timings});
    return step;
}

SessionStep TransferSession::wake(const SessionInput& in)
{
    SessionStep step;
    if (state_ == State::Ended)
        return step;
    if (in.lineLost) { // nothing more is read from it, nor written to it
        top(step, in);
        return step;
    }
    if (phase_ == Phase::Drain) {
        // What came since the read is the rest of it: thrown away unlogged, then asked again.
        phase_ = Phase::Read;
        send(step, draining_.send, in.lineLost);
        step.log << LogFact::answer(draining_);
    } else {
        if (!in.bytes.isEmpty()) {
            lastActivityMs_ = in.nowMs;
            silences_ = 0;
        }
        const XModemStep read = receiver_.feed(in.bytes, in.nowMs, in.timings.nakDelayMs);
        if (!judged(read, step, in))
            return step;
        wait_ = read.wait;
    }
    top(step, in);
    return step;
}

// Carries out one read's judgement; false when the pass does not go on to its top (the
// download ended, or the read is drained first).
bool TransferSession::judged(const XModemStep& read, SessionStep& step, const SessionInput& in)
{
    using Kind = XModemStep::Kind;
    if (read.kind == Kind::Nothing || read.kind == Kind::Incomplete)
        return true;
    step.log << LogFact::read(read);
    step.blockArrived = read.isBlock();
    if (read.kind == Kind::Garbage) {
        phase_ = Phase::Drain;
        draining_ = read;
        step.wakeAtMs = in.nowMs + std::max<std::int64_t>(in.timings.nakDelayMs, MinWaitMs);
        return false;
    }
    if (read.kind != Kind::Eot && read.kind != Kind::InstrumentCancel) {
        send(step, read.send, in.lineLost);
        step.log << LogFact::answer(read);
    }
    if (read.kind == Kind::BlockAccepted)
        step.progress = SessionStep::Progress{receiver_.collected().size(),
                                              ExpectedBmpSize(receiver_.collected()).value_or(-1)};
    QList<std::int64_t> numbers;
    if (read.givesUp())
        numbers << read.number;
    if (read.kind == Kind::BlockLost)
        numbers << read.expected;
    on(eventOf(read), step, in, numbers);
    return state_ != State::Ended;
}

TransferSession::Event TransferSession::eventOf(const XModemStep& read)
{
    using Kind = XModemStep::Kind;
    switch (read.kind) {
    case Kind::Eot:
        return Event::Eot;
    case Kind::StrayEot:
        return Event::StrayEot;
    case Kind::InstrumentCancel:
        return Event::InstrumentCancel;
    case Kind::EarlierTransfer:
        return Event::FirstBlockNotOne;
    case Kind::BlockLost:
        return Event::BlockOutOfTurn;
    case Kind::Garbage:
        return Event::Noise;
    default:
        return Event::Block;
    }
}

// The top of a pass: what ends a download between reads, then the wait before the next read.
void TransferSession::top(SessionStep& step, const SessionInput& in)
{
    if (state_ == State::WaitingForFirstBlock && elapsedMs(in.nowMs) >= nextTickMs_)
        tick(step, in);
    if (timedOut_)
        return on(Event::StartTimeout, step, in);
    if (stopRequested_)
        return on(Event::Stop, step, in);
    if (in.lineLost)
        return on(Event::LineLost, step, in);
    if (state_ == State::Receiving && silenceEnds(step, in))
        return;
    repeatRequestWhenDue(step, in.nowMs);
    schedule(step, in);
}

void TransferSession::tick(SessionStep& step, const SessionInput& in)
{
    const std::int64_t now = elapsedMs(in.nowMs);
    nextTickMs_ = (now / StartTimeoutTickMs + 1) * StartTimeoutTickMs;
    const StartTimeoutTick tick = EvaluateStartTimeout(now, in.timings.timeoutSeconds);
    timedOut_ = tick.expired;
    if (!tick.expired) {
        secondsLeft_ = tick.secondsLeft;
        step.countdown = tick.secondsLeft;
    }
}

// An instrument that stops in the middle of the file (switched off, its cable pulled, or it
// missed our answer) is asked again after each silence as long as the start time-out, and given
// up after the third.
bool TransferSession::silenceEnds(SessionStep& step, const SessionInput& in)
{
    const std::int64_t silentMs = in.nowMs - lastActivityMs_;
    const std::int64_t limitMs = std::int64_t{in.timings.timeoutSeconds} * 1000;
    if (receiver_.readPending() || silentMs < limitMs)
        return false;
    lastActivityMs_ = in.nowMs;
    if (++silences_ >= SilencesToGiveUp) {
        on(Event::LastSilence, step, in, {silentMs / 1000});
        return true;
    }
    on(Event::Silence, step, in);
    send(step, Nak, in.lineLost);
    step.log << LogFact::silence(silentMs / 1000, Nak);
    return false;
}

void TransferSession::repeatRequestWhenDue(SessionStep& step, std::int64_t nowMs)
{
    const std::int64_t now = elapsedMs(nowMs);
    if (policy_.repeatEveryMs <= 0 || state_ != State::WaitingForFirstBlock ||
        receiver_.readPending() || now - lastRequestMs_ < policy_.repeatEveryMs)
        return;
    lastRequestMs_ = now;
    step.writes << Nak << Nak;
}

void TransferSession::schedule(SessionStep& step, const SessionInput& in) const
{
    const bool poll = wait_ == XModemStep::Wait::Poll;
    step.wakeAtMs = in.nowMs + std::max<std::int64_t>(
                                   poll ? XModemReceiver::PollMs : in.timings.rxDelayMs, MinWaitMs);
    step.wakeOnData = poll;
}

void TransferSession::on(Event event, SessionStep& step, const SessionInput& in,
                         const QList<std::int64_t>& numbers)
{
    const std::optional<Transition> row = transition(state_, event);
    Q_ASSERT_X(row, "TransferSession", "an event its state does not allow");
    if (!row)
        return;
    state_ = row->to;
    if (row->ending)
        end(*row->ending, step, in.lineLost, numbers);
}

SessionStep TransferSession::abort(bool lineLost)
{
    SessionStep step;
    if (state_ != State::Ended) {
        state_ = State::Ended;
        end(DownloadEnding::Cancelled, step, lineLost, {});
    }
    return step;
}

void TransferSession::end(DownloadEnding ending, SessionStep& step, bool lineLost,
                          const QList<std::int64_t>& numbers)
{
    QByteArray cancelling;
    if (EndingTable::row(ending).cancels && !lineLost)
        cancelling = receiver_.cancel();
    if (!cancelling.isEmpty())
        step.writes << cancelling;
    step.log << LogFact::ended(ending, numbers, cancelling);
    step.ending = ending;
}

void TransferSession::send(SessionStep& step, const QByteArray& bytes, bool lineLost)
{
    if (bytes.isEmpty() || lineLost)
        return;
    step.writes << bytes;
    if (bytes.front() == XModemReceiver::NAK)
        ++naks_;
}

std::optional<std::int64_t> TransferSession::secondsLeft() const
{
    if (state_ != State::WaitingForFirstBlock || timedOut_)
        return std::nullopt;
    return secondsLeft_;
}
