#include "delays.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

void DelayWithMessages(std::int64_t milliseconds)
{
    DelaysDetail::Wait(milliseconds, {});
}

void DelaysDetail::Wait(std::int64_t milliseconds,
                        const std::function<void(QEventLoop&)>& connectWake)
{
    if (milliseconds <= 0)
        return;
    QElapsedTimer clock; // monotonic, 64-bit: no wrap, no wall-clock jumps
    clock.start();
    for (;;) {
        const std::int64_t remaining = milliseconds - clock.elapsed();
        if (remaining <= 0)
            return;
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        if (connectWake)
            connectWake(loop);
        timer.start(static_cast<int>(remaining > 0x7FFFFFFF ? 0x7FFFFFFF : remaining));
        if (loop.exec() < 0) {
            // The application is quitting and refuses new loops: still let time pass and
            // events flow, without spinning.
            QCoreApplication::processEvents();
            QThread::msleep(1);
        } else if (connectWake) {
            return; // woken early, or the time is up
        }
        // Otherwise the loop may have been told to exit early (an outer loop's exit), so the
        // clock, not the loop, decides when the wait is over.
    }
}
