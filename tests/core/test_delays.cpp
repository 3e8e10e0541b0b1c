#include "delays.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class TestDelays : public QObject {
    Q_OBJECT
private slots:
    void zeroAndNegativeReturnAtOnce();
    void lastsAtLeastTheTimeAskedAndReturnsPromptly_data();
    void lastsAtLeastTheTimeAskedAndReturnsPromptly();
    void dispatchesTimersAndPostedEvents();
    void nestedWaitsBothLastTheirTime();
};

void TestDelays::zeroAndNegativeReturnAtOnce()
{
    QElapsedTimer clock;
    clock.start();
    DelayWithMessages(0);
    DelayWithMessages(-5);
    QVERIFY(clock.elapsed() < 50);
}

void TestDelays::lastsAtLeastTheTimeAskedAndReturnsPromptly_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("1 ms") << 1;
    QTest::newRow("30 ms") << 30;
    QTest::newRow("100 ms") << 100;
    QTest::newRow("250 ms") << 250;
}

void TestDelays::lastsAtLeastTheTimeAskedAndReturnsPromptly()
{
    QFETCH(int, ms);
    QElapsedTimer clock;
    clock.start();
    DelayWithMessages(ms);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= ms, qPrintable(QString::number(elapsed)));
    // Generous, against a loaded machine: only a wait that forgets to return is caught here;
    // the wake-up precision is the benchmark's to measure.
    QVERIFY2(elapsed < ms + 1000, qPrintable(QString::number(elapsed)));
}

void TestDelays::dispatchesTimersAndPostedEvents()
{
    bool timerFired = false;
    bool postedRan = false;
    QTimer::singleShot(20, [&] { timerFired = true; });
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { postedRan = true; }, Qt::QueuedConnection);
    DelayWithMessages(80);
    QVERIFY(timerFired);
    QVERIFY(postedRan);
}

void TestDelays::nestedWaitsBothLastTheirTime()
{
    QElapsedTimer outer;
    qint64 innerElapsed = -1;
    QTimer::singleShot(10, [&] {
        QElapsedTimer inner;
        inner.start();
        DelayWithMessages(100);
        innerElapsed = inner.elapsed();
    });
    outer.start();
    DelayWithMessages(30);
    QVERIFY(outer.elapsed() >= 30);
    QVERIFY(innerElapsed >= 100);
}

QTEST_GUILESS_MAIN(TestDelays)
#include "test_delays.moc"
