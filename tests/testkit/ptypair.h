#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal for tests: the test holds the master side, the code under test opens the
// slave path as its serial port.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] bool isValid() const { return master_ >= 0; }
    [[nodiscard]] QString slavePath() const { return slavePath_; }
    [[nodiscard]] int masterFd() const { return master_; } // non-blocking
    void write(const QByteArray& bytes);
    // Reads what has arrived on the master side, waiting up to `ms` for the first byte and
    // then until `count` bytes are there or `ms` has passed.
    [[nodiscard]] QByteArray read(int count, int ms);
    void closeMaster();

private:
    int master_ = -1;
    int slave_ = -1; // kept open so the line stays up while the code under test reopens it
    QString slavePath_;
};
