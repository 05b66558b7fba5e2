// SPDX-License-Identifier: GPL-3.0-or-later
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
    m_timer->stop(); // a new Interval counts from now
    run();
    emit IntervalChanged();
}

void IntervalTimer::delayNextTick(int milliseconds)
{
    if (m_interval == 0 || m_suspended || carried())
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

void IntervalTimer::rideOn(IntervalTimer *carrier)
{
    if (carrier == m_carrier)
        return;
    if (m_carrier)
        disconnect(m_carrier, nullptr, this, nullptr);
    m_carrier = carrier;
    if (m_carrier) {
        connect(m_carrier, &IntervalTimer::Timer, this, [this] {
            if (m_interval > 0 && !m_suspended)
                emit Timer();
        });
        connect(m_carrier, &IntervalTimer::IntervalChanged, this, &IntervalTimer::run);
    }
    run();
}

bool IntervalTimer::carried() const
{
    return m_carrier && m_carrier->m_interval == m_interval && m_interval > 0 && !m_carrier->m_suspended;
}

void IntervalTimer::run()
{
    if (m_interval == 0 || m_suspended || carried()) {
        m_timer->stop();
    } else if (!m_timer->isActive()) {
        m_delayed = false;
        m_timer->start(m_interval);
    }
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
