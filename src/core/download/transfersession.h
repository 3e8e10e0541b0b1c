#pragma once

#include "requestpolicy.h"
#include "sessionstep.h"
#include "xmodemreceiver.h"

#include <cstdint>
#include <optional>

// One download's exchange with the instrument, from the request to its one ending, without I/O,
// clock or words: it is told the time, the bytes that came and whether the line is there, and
// answers with a SessionStep. A download is passes: wait (the Rx delay, or a short poll while a
// read is completed), read, judge the read and answer it (a read of unexpected length after the
// NAK delay and a drain); at the top of the next pass the start time-out, a stop, a lost line
// and a silent instrument are looked at. The states and what moves them are the table at the
// top of transfersession.cpp.
class TransferSession {
public:
    enum class State { WaitingForFirstBlock, Receiving, Ended };
    enum class Event {
        Block,            // a read of block length, good or bad
        Noise,            // a read of another length: answered with NAK
        StrayEot,         // EOT before any data: an earlier transfer's, forgotten
        Eot,              // EOT after data
        FirstBlockNotOne, // the receiver gives up: an earlier transfer
        BlockOutOfTurn,   // the receiver gives up: a block was lost
        InstrumentCancel, // two CANs from the instrument
        Silence,          // no byte for the start time-out after a block: asked again
        LastSilence,      // the third such silence
        StartTimeout,     // no block within the start time-out
        Stop,             // the front end asked to stop
        LineLost          // the line went away
    };
    struct Transition {
        State from;
        Event event;
        State to;
        std::optional<DownloadEnding> ending;
    };
    // The transition that `event` makes in `state`; none when the table does not allow it.
    [[nodiscard]] static std::optional<Transition> transition(State state, Event event);

    static constexpr std::int64_t StartTimeoutTickMs = 200;
    static constexpr int SilencesToGiveUp = 3;

    explicit TransferSession(RequestPolicy policy = {});

    // The request that starts the instrument: two NAKs (not 'C': the instrument expects NAK),
    // each its own write.
    [[nodiscard]] SessionStep start(std::int64_t nowMs, const DownloadTimings& timings);
    // A call at or after the time the last step asked for, or sooner with bytes.
    [[nodiscard]] SessionStep wake(const SessionInput& input);
    // Ends the download at the top of the next pass, so that a pass under way still answers.
    void requestStop() { stopRequested_ = true; }
    // Ends the download now (the front end closes): CAN where due, unless the line is gone.
    [[nodiscard]] SessionStep abort(bool lineLost);

    [[nodiscard]] State state() const { return state_; }
    [[nodiscard]] const QByteArray& collected() const { return receiver_.collected(); }
    [[nodiscard]] int acceptedBlocks() const { return receiver_.acceptedBlocks(); }
    // NAKs sent after the request.
    [[nodiscard]] int naks() const { return naks_; }
    [[nodiscard]] std::int64_t elapsedMs(std::int64_t nowMs) const
    {
        return nowMs - requestedAtMs_;
    }
    // While waiting for the first block: whole seconds left at the last tick.
    [[nodiscard]] std::optional<std::int64_t> secondsLeft() const;

private:
    [[nodiscard]] bool judged(const XModemStep& read, SessionStep& step, const SessionInput& in);
    void top(SessionStep& step, const SessionInput& in);
    void tick(SessionStep& step, const SessionInput& in);
    [[nodiscard]] bool silenceEnds(SessionStep& step, const SessionInput& in);
    void repeatRequestWhenDue(SessionStep& step, std::int64_t nowMs);
    void schedule(SessionStep& step, const SessionInput& in) const;
    void on(Event event, SessionStep& step, const SessionInput& in,
            const QList<std::int64_t>& numbers = {});
    void end(DownloadEnding ending, SessionStep& step, bool lineLost,
             const QList<std::int64_t>& numbers);
    void send(SessionStep& step, const QByteArray& bytes, bool lineLost);
    [[nodiscard]] static Event eventOf(const XModemStep& read);

    RequestPolicy policy_;
    XModemReceiver receiver_;
    State state_ = State::WaitingForFirstBlock;
    enum class Phase { Read, Drain };
    Phase phase_ = Phase::Read;
    XModemStep draining_; // the read whose NAK follows the drain
    XModemStep::Wait wait_ = XModemStep::Wait::RxDelay;
    bool stopRequested_ = false;
    bool timedOut_ = false;
    std::int64_t requestedAtMs_ = 0;
    std::int64_t nextTickMs_ = StartTimeoutTickMs; // since the request
    std::int64_t secondsLeft_ = 0;
    std::int64_t lastRequestMs_ = 0;  // since the request
    std::int64_t lastActivityMs_ = 0; // the last byte, or the last question after a silence
    int silences_ = 0;
    int naks_ = 0;
};
