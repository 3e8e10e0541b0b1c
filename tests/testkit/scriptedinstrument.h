#pragma once

#include "ptypair.h"

#include <QByteArrayList>
#include <QObject>
#include <QSocketNotifier>

// Plays the instrument on a pty, message by message, in step with the receiver: the first
// message goes out once the receiver's request (two NAKs) is in, every further one after the
// receiver's one-byte answer to the one before. Each message is one write, so the receiver's
// reads, and its log, come out the same on every run. Runs on the events of the thread that
// owns it, so the receiver's waits drive it.
class ScriptedInstrument : public QObject {
    Q_OBJECT
public:
    explicit ScriptedInstrument(QByteArrayList messages);

    [[nodiscard]] bool isValid() const { return pty_.isValid(); }
    [[nodiscard]] QString devicePath() const { return pty_.slavePath(); }
    // Everything the receiver has sent.
    [[nodiscard]] const QByteArray& received() const { return received_; }

private:
    void takeInput();

    static constexpr int RequestBytes = 2;

    PtyPair pty_;
    QSocketNotifier notifier_;
    QByteArrayList messages_;
    QByteArray received_;
    int sent_ = 0;
};
