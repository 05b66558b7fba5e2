#pragma once

#include <QObject>
#include <QTimer>

namespace dozewell {

// A periodic timer whose Interval of 0 means no ticks, and any other value
// a tick every Interval milliseconds.
class IntervalTimer : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)

public:
    IntervalTimer(const QString &name, QObject *parent);

    int Interval() const { return m_interval; }
    void setInterval(int milliseconds);

    // Lets the next tick come after the given delay instead of Interval;
    // the ticks after it keep Interval again.
    void delayNextTick(int milliseconds);

signals:
    void Timer();

private:
    void onTimeout();

    QTimer *m_timer;
    int m_interval = 0;
    bool m_delayed = false;
};

} // namespace dozewell
