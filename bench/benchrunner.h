#pragma once

#include "benchtable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs one sample file in both line models, rx (when installed) before Orvisnap, each against
// a fresh simulator, and adds the rows to the table; the medium file also through the
// orvisnap-capture executable, on the bytes model, and, given a Windows build, its .exe under
// Wine on COM9 of the Wine prefix. Works in `dir`, the current folder.
class BenchRunner {
public:
    enum class Receiver { Rx, Orvisnap, Capture, WineCapture };

    // `wineCapture`: orvisnap-capture.exe to run under Wine (WINEPREFIX set), or empty.
    BenchRunner(const QString& dir, BenchTable& table, const QString& wineCapture = {})
        : dir_(dir), table_(table), wineCapture_(wineCapture)
    {
    }

    // False when the sample could not be made.
    bool run(const QString& kind);
    // The receiver's timings as the last Orvisnap run found them.
    [[nodiscard]] QString timings() const { return timings_; }

private:
    struct LineModel {
        QString name;
        QStringList simArgs;
    };

    [[nodiscard]] BenchRow receive(const QString& kind, const QString& sample,
                                   const LineModel& model, const QByteArray& sent,
                                   Receiver receiver);
    void downloadWithOrvisnap(const QString& device, const QByteArray& sent, BenchRow& row);
    void downloadWithCapture(const QString& device, const QByteArray& sent, BenchRow& row) const;
    void downloadWithWineCapture(const QByteArray& sent, BenchRow& row) const;
    [[nodiscard]] QString wineComLink() const;
    void captureInto(const QStringList& port, const QString& program, const QString& tool,
                     const QByteArray& sent, BenchRow& row) const;
    static void downloadWithRx(const QString& device, const QByteArray& sent, BenchRow& row);

    QString dir_;
    BenchTable& table_;
    QString wineCapture_;
    QString timings_;
};
