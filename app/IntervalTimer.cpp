#include "app/IntervalTimer.h"

namespace dozewell {

IntervalTimer::IntervalTimer(const QString &name, QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    setObjectName(name);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &IntervalTimer::onTimeout);
}

void IntervalTimer::setInterval(int milliseconds)
{
    m_interval = qMax(0, milliseconds);
    m_delayed = false;
    if (m_interval == 0)
        m_timer->stop();
    else
        m_timer->start(m_interval);
}

void IntervalTimer::delayNextTick(int milliseconds)
{
    if (m_interval == 0)
        return;
    m_delayed = true;
    m_timer->start(qMax(1, milliseconds));
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
