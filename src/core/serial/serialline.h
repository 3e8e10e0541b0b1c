#pragma once

#include "linesettings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// One serial line as the system gives it, from a successful open to the next close. The build
// picks the platform's implementation (SystemSerial::makeLine); a test may hand in a line of its
// own. Nothing here waits for the line: writes do not wait, reads take only what has arrived,
// and arriving bytes are told through the event loop.
class SerialLine {
public:
    enum class Refusal { None, NoDevice, Permission, Busy, Other };
    struct Opened {
        Refusal refusal = Refusal::None;
        QString words; // the system's own, when refused
        [[nodiscard]] bool ok() const { return refusal == Refusal::None; }
    };

    SerialLine() = default;
    virtual ~SerialLine() = default;
    SerialLine(const SerialLine&) = delete;
    SerialLine& operator=(const SerialLine&) = delete;

    // Opens `device` exclusively. A refusal tells its cause in the system's words.
    [[nodiscard]] virtual Opened open(const QString& device) = 0;
    // Applies exactly the four settings; on failure errorString() says why.
    [[nodiscard]] virtual bool configure(const LineSettings& settings) = 0;
    [[nodiscard]] virtual QString errorString() const = 0;
    // Releases the line; further calls do nothing. Destruction closes too.
    virtual void close() = 0;

    // Asks the driver to reset the device, where the system has such a request.
    virtual void resetDevice() = 0;
    // Hands the bytes over for sending in call order; the caller may drop them at once.
    virtual void write(const QByteArray& bytes) = 0;
    // What has arrived, all of it or (while a line error is reported) none; never waits.
    [[nodiscard]] virtual QByteArray readAvailable() = 0;
    // `handler` runs from the event loop when bytes have arrived (it may also run when none
    // have); an empty one stops that. Closing the line stops it too.
    virtual void onReadyRead(std::function<void()> handler) = 0;
    // The device went away (adapter pulled, other side closed).
    [[nodiscard]] virtual bool lost() const = 0;
};

// Makes the closed lines a port opens: the system's (SystemSerial::makeLine), or a test's.
using SerialLineFactory = std::function<std::unique_ptr<SerialLine>()>;
