// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timer/BannerCourse.h"
#include "timer/Countdown.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

namespace dozewell {

// The window's caption while idle, and its start while a run shows its time.
inline const QString kCaption = QStringLiteral("Dozewell Timer");
inline const QString kCaptionRunning = QStringLiteral("Dozewell Timer ");

// The ticks that drive a run: the countdown's, and the banner's while it moves.
inline constexpr int kCountdownTickMs = 1000;
inline constexpr int kBannerTickMs = 25;

// The Counter Mode fields as Pause writes the remaining time back.
struct CounterFields {
    qint16 hours;
    qint16 minutes;
};

// One sleep timer, without a window: the Counter Mode countdown, the Timer
// Mode target and the clock watch, and the title banner's course. The window
// calls an operation for what the user and its timers do, and shows what the
// signals announce.
class SleepTimer : public QObject {
    Q_OBJECT

public:
    explicit SleepTimer(QObject *parent = nullptr);

    // Whole minutes of the countdown after the running one, and the seconds
    // of the running one.
    qint16 MinutesLeft() const { return m_minutesLeft; }
    quint8 SecondsLeft() const { return m_secondsLeft; }
    // The HH:MM:SS text a Timer Mode run waits for; empty when none is armed.
    const QString &TargetTime() const { return m_targetTime; }
    qint64 SecondsToTimeOut() const { return dozewell::SecondsToTimeOut(m_minutesLeft, m_secondsLeft); }
    const BannerCourse &Banner() const { return m_banner; }
    qint16 BannerStep() const { return m_banner.BannerStep; }
    // A run is going: started, and neither paused, stopped nor timed out.
    bool running() const { return m_running; }

    // Start-up: a fresh countdown, the banner turned left, and the clock
    // showing `now`. `sinceBootMs` here and below reads the clock that
    // counts a suspend.
    void startUp(const QDateTime &now, qint64 sinceBootMs);
    // Reset: a fresh countdown, shown at rest.
    void resetCountdown();
    // A Counter Mode run of `minutes` (more than 0) from `sinceBootMs` on.
    // The seconds the countdown kept from a Pause go on.
    void startCounter(qint16 minutes, qint64 sinceBootMs);
    // A Timer Mode run that waits for the clock to show `target`.
    void startTimer(const QString &target);
    // Pause: a Timer Mode target is disarmed; in Counter Mode the running
    // minute counts again, and the fields the window writes back are
    // returned. The run ends with stop().
    std::optional<CounterFields> pause(bool counterMode);
    // The run is over (Pause, the time-out, a new mode): the caption shows
    // no time.
    void stop();

    // The countdown tick: the whole seconds passed since the last one come
    // off, the time the computer slept included, shown, and at the end the
    // time-out.
    void countdownTick(qint64 sinceBootMs);
    // The clock tick: shows the time of day; the target fires when the clock
    // passed it since the last tick and `timerModeTicked`.
    void clockTick(const QDateTime &now, qint64 sinceBootMs, bool timerModeTicked);
    // `ticks` steps of the banner's course, in one go.
    void bannerTick(qint64 ticks = 1);

signals:
    void countdownChanged(const QString &text);
    void captionChanged(const QString &caption);
    void timeOfDayChanged(const QString &text);
    // Left positions in twips within the banner frame.
    void bannerMoved(float nameLeft, float yearLeft, float versionLeft);
    // The countdown ran out or the target was reached; the run is over.
    void timedOut();

private:
    void timeOut();

    qint16 m_minutesLeft = 0;
    quint8 m_secondsLeft = kSecondsAtMinuteStart;
    QString m_targetTime;
    BannerCourse m_banner;
    SecondCounter m_countdownClock;
    QDateTime m_lastClockCheck;
    qint64 m_lastClockCheckMs = 0;
    bool m_running = false;
};

} // namespace dozewell
