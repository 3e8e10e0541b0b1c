#pragma once

#include "benchrow.h"

#include <QList>
#include <QString>

#include <optional>

// Prints the runs as they come and the closing line:
//   ratio_to_line  Orvisnap's click-to-end seconds / line bound, medium file, bytes model
//   ratio_to_rx    Orvisnap's / rx's transfer seconds (simulator clock), medium file, bursts
//   naks           NAKs in all of Orvisnap's runs
// and the line before it:
//   capture_ratio_to_line  orvisnap-capture's process start to exit / line bound, same file
//                          and model; with a Windows build wine_capture_ratio_to_line too, the
//                          same for orvisnap-capture.exe under Wine
class BenchTable {
public:
    void printHeader() const;
    void add(const BenchRow& row);
    [[nodiscard]] QString captureLine() const;
    [[nodiscard]] QString summaryLine() const;
    [[nodiscard]] bool allOk() const;

private:
    [[nodiscard]] const BenchRow* find(const QString& file, const QString& model,
                                       const QString& receiver) const;
    [[nodiscard]] std::optional<double> ratioToRx(const BenchRow& ours) const;
    [[nodiscard]] std::optional<double> ratioToLine(const QString& receiver) const;

    QList<BenchRow> rows_;
};
