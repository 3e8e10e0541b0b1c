// The one table of a download's endings: every ending has its row, and what the man page and
// README say of orvisnap-capture's exit statuses follows from it.
#include "endingtable.h"
#include "testfiles.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using Ending = DownloadEnding;

class TestEndingTable : public QObject {
    Q_OBJECT
private slots:
    void everyEndingHasOneRowAndItsOwnStatus();
    void textsTakeTheirNumbers();
    void documentedExitStatusesAreTheTables();
};

void TestEndingTable::everyEndingHasOneRowAndItsOwnStatus()
{
    QSet<int> statuses;
    for (int e = int(Ending::Complete); e <= int(Ending::InstrumentSilent); ++e) {
        const auto rows = EndingTable::rows();
        QCOMPARE(std::count_if(rows.begin(), rows.end(),
                               [e](const EndingTable::Row& row) { return int(row.ending) == e; }),
                 1);
        const EndingTable::Row& row = EndingTable::row(Ending(e));
        QVERIFY(!statuses.contains(int(row.exitStatus)));
        statuses << int(row.exitStatus);
        QVERIFY(row.status != nullptr);
        // A picture is shown only when one came; the window tells every ending it has words for
        // but a time-out and a cancel, which the status bar tells.
        QCOMPARE(row.leaves == EndingTable::Leaves::Received, row.ending == Ending::Complete);
        if (row.windowTells)
            QVERIFY(row.sentence != nullptr);
    }
    QCOMPARE(EndingTable::rows().size(), std::size_t(Ending::InstrumentSilent) + 1);
}

void TestEndingTable::textsTakeTheirNumbers()
{
    QCOMPARE(EndingTable::status(Ending::Complete, 38), QStringLiteral("Received 38 KB"));
    QCOMPARE(EndingTable::status(Ending::TimedOut, 11), QStringLiteral("No transfer within 11 s"));
    QCOMPARE(EndingTable::status(Ending::LineLost, 11), QStringLiteral("Line lost"));
    QCOMPARE(EndingTable::sentence(Ending::TimedOut, "/dev/ttyUSB0", 10),
             QStringLiteral("No transfer from /dev/ttyUSB0 within 10 s."));
    QCOMPARE(EndingTable::sentence(Ending::LineLost, "COM3"),
             QStringLiteral("The connection to COM3 was lost."));
    QVERIFY(EndingTable::sentence(Ending::Complete, "COM3").isEmpty());
}

void TestEndingTable::documentedExitStatusesAreTheTables()
{
    const QString manual = QString::fromUtf8(
        ReadTestFile(QStringLiteral(ORVISNAP_SOURCE_DIR "/src/capture/orvisnap-capture.1")));
    const QString exitSection = manual.section(".SH EXIT STATUS", 1).section(".SH ", 0, 0);
    const QString readme =
        QString::fromUtf8(ReadTestFile(QStringLiteral(ORVISNAP_SOURCE_DIR "/README.md")));
    const QString readmeStatuses = readme.section("Exit status: ", 1).section("\n\n", 0, 0);
    QVERIFY(!exitSection.isEmpty() && !readmeStatuses.isEmpty());
    for (const EndingTable::Row& row : EndingTable::rows()) {
        const int status = int(row.exitStatus);
        QVERIFY2(exitSection.contains(QStringLiteral(".B %1\n").arg(status)),
                 qPrintable(QString::number(status)));
        QVERIFY2(readmeStatuses.contains(QRegularExpression(QStringLiteral("\\b%1 ").arg(status))),
                 qPrintable(QString::number(status)));
    }
}

QTEST_GUILESS_MAIN(TestEndingTable)
#include "test_endingtable.moc"
