// SPDX-License-Identifier: GPL-3.0-or-later
#include "timer/SleepTimer.h"

#include "timer/ClockWatch.h"

namespace dozewell {

namespace {
constexpr qint16 kMinutesPerHour = 60;
}

SleepTimer::SleepTimer(QObject *parent) : QObject(parent)
{
}

void SleepTimer::startUp(const QDateTime &now, qint64 sinceBootMs)
{
    m_secondsLeft = kSecondsAtMinuteStart;
    m_lastClockCheck = now;
    m_lastClockCheckMs = sinceBootMs;
    emit timeOfDayChanged(TimeOfDayText(now.time()));
    m_banner.BannerStep = -1;
    m_minutesLeft = 0;
}

void SleepTimer::resetCountdown()
{
    m_minutesLeft = 0;
    // A fresh countdown, as at start-up: the first counted minute lasts a full minute.
    m_secondsLeft = kSecondsAtMinuteStart;
    emit countdownChanged(kCountdownAtRest);
}

void SleepTimer::startCounter(qint16 minutes, qint64 sinceBootMs)
{
    m_minutesLeft = minutes - 1;
    m_countdownClock.restart(sinceBootMs);
    m_running = true;
    const QString shown = StartText(m_minutesLeft, m_secondsLeft);
    emit countdownChanged(shown);
    emit captionChanged(kCaptionRunning + shown);
}

void SleepTimer::startTimer(const QString &target)
{
    m_targetTime = target;
    m_running = true;
    emit captionChanged(kCaptionRunning + m_targetTime);
}

std::optional<CounterFields> SleepTimer::pause(bool counterMode)
{
    // A paused Timer Mode run must not fire later while the window stands idle.
    m_targetTime.clear();
    if (!counterMode)
        return std::nullopt;
    ++m_minutesLeft;
    const auto hours = static_cast<qint16>(m_minutesLeft / kMinutesPerHour);
    return CounterFields{hours, static_cast<qint16>(m_minutesLeft - hours * kMinutesPerHour)};
}

void SleepTimer::stop()
{
    m_running = false;
    emit captionChanged(kCaption);
}

void SleepTimer::countdownTick(qint64 sinceBootMs)
{
    // Normally one second; more when ticks came late or were dropped, or the
    // computer slept.
    const int seconds = m_countdownClock.take(sinceBootMs);
    if (seconds == 0)
        return;
    bool timedOut = false;
    for (int i = 0; i < seconds && !timedOut; ++i)
        timedOut = TakeOneSecond(m_minutesLeft, m_secondsLeft);
    const QString remaining = RemainingText(m_minutesLeft, m_secondsLeft);
    emit countdownChanged(remaining);
    emit captionChanged(kCaptionRunning + remaining);
    if (timedOut)
        timeOut();
}

void SleepTimer::clockTick(const QDateTime &now, qint64 sinceBootMs, bool timerModeTicked)
{
    emit timeOfDayChanged(TimeOfDayText(now.time()));
    const bool reached = ClockReached(m_lastClockCheck, now, sinceBootMs - m_lastClockCheckMs, m_targetTime);
    m_lastClockCheck = now;
    m_lastClockCheckMs = sinceBootMs;
    if (reached && timerModeTicked) {
        // The time-out ends the Timer Mode run: it fires once per Start.
        m_targetTime.clear();
        timeOut();
    }
}

void SleepTimer::bannerTick(qint64 ticks)
{
    m_banner.Advance(ticks);
    emit bannerMoved(m_banner.NameLeft, m_banner.YearLeft, m_banner.VersionLeft);
}

void SleepTimer::timeOut()
{
    m_running = false;
    emit timedOut();
}

} // namespace dozewell
