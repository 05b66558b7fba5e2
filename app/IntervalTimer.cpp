#include "app/IntervalTimer.h"

namespace dozewell {

IntervalTimer::IntervalTimer(const QString &name, QObject *parent, Clock clock)
    : QObject(parent), m_timer(new QTimer(this)), m_clock(std::move(clock))
{
    setObjectName(name);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &IntervalTimer::onTimeout);
}

void IntervalTimer::setInterval(int milliseconds)
{
    if (m_suspended)
        countSkipped();
    m_interval = qMax(0, milliseconds);
    m_delayed = false;
    run();
}

void IntervalTimer::delayNextTick(int milliseconds)
{
    if (m_interval == 0 || m_suspended)
        return;
    m_delayed = true;
    m_timer->start(qMax(1, milliseconds));
}

void IntervalTimer::setSuspended(bool suspended)
{
    if (suspended == m_suspended)
        return;
    if (suspended)
        m_skippedSince = m_clock ? m_clock() : 0;
    else
        countSkipped();
    m_suspended = suspended;
    run();
    if (!suspended && m_skipped > 0)
        emit Skipped(std::exchange(m_skipped, 0));
}

void IntervalTimer::run()
{
    if (m_interval == 0 || m_suspended)
        m_timer->stop();
    else
        m_timer->start(m_interval);
}

void IntervalTimer::countSkipped()
{
    const qint64 now = m_clock ? m_clock() : 0;
    if (m_interval > 0)
        m_skipped += (now - m_skippedSince) / m_interval;
    m_skippedSince = now;
}

void IntervalTimer::onTimeout()
{
    if (m_delayed) {
        m_delayed = false;
        m_timer->start(m_interval);
    }
    emit Timer();
}

} // namespace dozewell
