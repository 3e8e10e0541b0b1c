#include "delays.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

void DelayWithMessages(std::int64_t milliseconds)
{
    if (milliseconds <= 0)
        return;
    QElapsedTimer clock; // monotonic, 64-bit: no wrap, no wall-clock jumps
    clock.start();
    for (;;) {
        const std::int64_t remaining = milliseconds - clock.elapsed();
        if (remaining <= 0)
            return;
        // The loop may be told to exit early (application quit, an outer loop's exit), so the
        // clock, not the loop, decides when the wait is over.
        QEventLoop loop;
        QTimer wake;
        wake.setTimerType(Qt::PreciseTimer);
        wake.setSingleShot(true);
        QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
        wake.start(static_cast<int>(remaining > 0x7FFFFFFF ? 0x7FFFFFFF : remaining));
        if (loop.exec() < 0) {
            // The application is quitting and refuses new loops: still let time pass and
            // events flow, without spinning.
            QCoreApplication::processEvents();
            QThread::msleep(1);
        }
    }
}
