#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

// The summary line the simulator prints after a transfer, and how the process ended.
struct DsoSimSummary {
    int blocks = 0;  // ACKed block transmissions
    int naks = 0;    // NAKs taken as answers to blocks or EOT
    int repeats = 0; // block retransmissions
    double seconds = 0.0;
    int exitCode = -1; // -1 while the simulator still runs (--loop)
    QString fault;     // with --random-faults: the fault drawn for the transfer ("none", "crc 4")
};

// Runs the simulated oscilloscope (tools/dsosim) for a test.
class DsoSimProcess {
public:
    DsoSimProcess() = default;
    ~DsoSimProcess();
    DsoSimProcess(const DsoSimProcess&) = delete;
    DsoSimProcess& operator=(const DsoSimProcess&) = delete;

    // Starts the simulator and waits (at most 10 s) for its device line; returns the slave path
    // to open as the serial port, or an empty string on failure.
    QString start(const QStringList& args);
    // The slave path of the simulator's latest line, as far as its output has been read.
    [[nodiscard]] QString devicePath() const { return devicePath_; }
    // With --loop a closed line is replaced by a new one: waits (at most `ms`) until the
    // simulator has opened its `count`-th line, the first one counting 1.
    [[nodiscard]] bool waitForLines(int count, int ms);
    [[nodiscard]] int lines() const { return lines_; }
    // Without --loop: waits for the simulator to exit and returns its last summary. With --loop:
    // waits for the next summary line. Nothing when the time runs out or no summary came.
    [[nodiscard]] std::optional<DsoSimSummary> waitForSummary(int ms);
    [[nodiscard]] bool isRunning() const;
    // What the simulator wrote to stderr so far (its messages, --verbose trace).
    [[nodiscard]] QByteArray errorOutput();

    [[nodiscard]] static QString executable();
    // Options of an instrument that takes the request's second NAK for the answer to block 1
    // and from then on acts on the answer to the block before; paced so that its blocks do not
    // run together into one read.
    [[nodiscard]] static QStringList oneAnswerBehind();
    // Writes a generated sample picture (small, medium or large); true on success.
    [[nodiscard]] static bool makeBmp(const QString& kind, const QString& outPath);

private:
    // Takes in what the simulator printed: lines, faults and summaries.
    void readOutput();
    void takeLine(const QByteArray& line);

    QProcess process_;
    QString devicePath_;
    QByteArray output_;
    QList<DsoSimSummary> summaries_; // not yet taken
    QString fault_;
    int lines_ = 0;
    bool loop_ = false;
};
