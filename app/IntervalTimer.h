// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace dozewell {

// A periodic timer whose Interval of 0 means no ticks, and any other value
// a tick every Interval milliseconds. While suspended no tick wakes the
// program, whatever the Interval; when it resumes it tells how many ticks it
// left out, as measured on the given clock. While it rides on a carrier that
// ticks with the same Interval, it ticks right after the carrier's ticks
// instead of waking the program on its own.
class IntervalTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE setInterval NOTIFY IntervalChanged)

public:
    using Clock = std::function<qint64()>;
    IntervalTimer(const QString &name, QObject *parent, Clock clock = {});

    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);

    // Lets the next tick come after the given delay instead of Interval;
    // the ticks after it keep Interval again.
    void delayNextTick(int milliseconds);

    bool isSuspended() const { return m_suspended; }
    void setSuspended(bool suspended);

    // Rides on `carrier`'s ticks while it ticks; nullptr: on its own again.
    void rideOn(IntervalTimer *carrier);
    // Whether its own ticks wake the program.
    bool wakes() const { return m_timer->isActive(); }

signals:
    void Timer();
    void IntervalChanged();
    // Resumed after `ticks` ticks were left out.
    void Skipped(qint64 ticks);

private:
    void onTimeout();
    void run();
    // Counts the ticks left out since the last count, at the current Interval.
    void countSkipped();

    bool carried() const;

    QTimer *m_timer;
    Clock m_clock;
    QPointer<IntervalTimer> m_carrier;
    int m_interval = 0;
    bool m_delayed = false;
    bool m_suspended = false;
    qint64 m_skippedSince = 0;
    qint64 m_skipped = 0;
};

} // namespace dozewell
