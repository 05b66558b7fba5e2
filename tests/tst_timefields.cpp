// SPDX-License-Identifier: GPL-3.0-or-later
// Time fields, countdown arithmetic and the clock watch, function by function.
#include "timer/ClockWatch.h"
#include "timer/Countdown.h"
#include "timer/TimeFields.h"

#include <QTest>
#include <QTimeZone>

using namespace dozewell;

using Stepping = qint16 (*)(qint16);
Q_DECLARE_METATYPE(Stepping)

class TimeFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void stepping_data()
    {
        QTest::addColumn<Stepping>("step");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("hour + wraps at 23") << Stepping(IncHours) << 23 << 0;
        QTest::newRow("hour - wraps at 0") << Stepping(DecHours) << 0 << 23;
        QTest::newRow("hour + 9 gives 10") << Stepping(IncHours) << 9 << 10;
        QTest::newRow("hour - 10 gives 9") << Stepping(DecHours) << 10 << 9;
        QTest::newRow("minute + wraps at 59") << Stepping(IncMinSec) << 59 << 0;
        QTest::newRow("minute - wraps at 0") << Stepping(DecMinSec) << 0 << 59;
        QTest::newRow("minute + 30") << Stepping(IncMinSec) << 30 << 31;
        QTest::newRow("hour + beyond range") << Stepping(IncHours) << 32767 << 0;
        QTest::newRow("hour - below range") << Stepping(DecHours) << -32768 << 23;
        QTest::newRow("minute + beyond range") << Stepping(IncMinSec) << 32767 << 0;
        QTest::newRow("minute - below range") << Stepping(DecMinSec) << -32768 << 59;
    }
    void stepping()
    {
        QFETCH(Stepping, step);
        QFETCH(int, value);
        QFETCH(int, expected);
        QCOMPARE(step(static_cast<qint16>(value)), expected);
    }

    void fullCircleReturnsToStart_data()
    {
        QTest::addColumn<Stepping>("step");
        QTest::addColumn<int>("presses");
        QTest::newRow("hours up") << Stepping(IncHours) << 24;
        QTest::newRow("hours down") << Stepping(DecHours) << 24;
        QTest::newRow("minutes up") << Stepping(IncMinSec) << 60;
        QTest::newRow("minutes down") << Stepping(DecMinSec) << 60;
    }
    void fullCircleReturnsToStart()
    {
        QFETCH(Stepping, step);
        QFETCH(int, presses);
        for (qint16 start : {0, 7, 23}) {
            qint16 value = start;
            for (int i = 0; i < presses; ++i)
                value = step(value);
            QCOMPARE(value, start);
        }
    }

    void formatHMS_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("s");
        QTest::addColumn<QString>("expected");
        QTest::newRow("midnight") << 0 << 0 << 0 << "00:00:00";
        QTest::newRow("leading zeros") << 9 << 10 << 59 << "09:10:59";
        QTest::newRow("last second") << 23 << 59 << 59 << "23:59:59";
        QTest::newRow("morning") << 7 << 5 << 0 << "07:05:00";
        QTest::newRow("afternoon") << 13 << 45 << 9 << "13:45:09";
    }
    void formatHMS()
    {
        QFETCH(int, h);
        QFETCH(int, m);
        QFETCH(int, s);
        QFETCH(QString, expected);
        QCOMPARE(FormatHMS(h, m, s), expected);
    }

    void fieldValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1000: not a number, or out of range
        QTest::newRow("plain") << "17" << 17;
        QTest::newRow("half to even, down") << "2.5" << 2;
        QTest::newRow("half to even, up") << "3.5" << 4;
        QTest::newRow("negative half") << "-0.5" << 0;
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("not a number") << "abc" << -1000;
        QTest::newRow("empty") << "" << -1000;
        QTest::newRow("rounds out of range") << "32767.5" << -1000;
        QTest::newRow("far out of range") << "1e9" << -1000;
    }
    void fieldValue()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(FieldValue(text).value_or(-1000), expected);
    }

    void counterMinutes_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<int>("expected"); // -1000: not a number, or out of range
        QTest::newRow("1 h 30 min") << "1" << "30" << 90;
        QTest::newRow("zero") << "0" << "0" << 0;
        QTest::newRow("whole parts only") << "1.9" << "0.5" << 60;
        QTest::newRow("toward minus infinity") << "-0.5" << "0" << -60;
        QTest::newRow("546 hours fit") << "546" << "0" << 32760;
        QTest::newRow("546 hours 7 minutes fit") << "546" << "7" << 32767;
        QTest::newRow("547 hours overflow") << "547" << "0" << -1000;
        QTest::newRow("minutes push it over") << "546" << "8" << -1000;
        QTest::newRow("hours not a number") << "x" << "0" << -1000;
        QTest::newRow("minutes not a number") << "1" << "y" << -1000;
    }
    void counterMinutes()
    {
        QFETCH(QString, hours);
        QFETCH(QString, minutes);
        QFETCH(int, expected);
        QCOMPARE(CounterMinutes(hours, minutes).value_or(-1000), expected);
    }

    void remainingText_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("atStart");
        QTest::newRow("29:59") << 29 << 59 << "29:59" << "29:59";
        QTest::newRow("4:05") << 4 << 5 << "4:05" << "4:5";
        QTest::newRow("0:01") << 0 << 1 << "0:01" << "0:1";
        QTest::newRow("-1:59") << -1 << 59 << "-1:59" << "-1:59";
        QTest::newRow("0:00") << 0 << 0 << "0:00" << "0:0";
    }
    void remainingText()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, running);
        QFETCH(QString, atStart);
        QCOMPARE(RemainingText(minutes, seconds), running);
        QCOMPARE(StartText(minutes, seconds), atStart);
    }

    void countdownFromZeroSecondsNeverUnderflows()
    {
        qint16 minutes = 3;
        quint8 seconds = 0;
        QVERIFY(!TakeOneSecond(minutes, seconds));
        QCOMPARE(minutes, 2);
        QCOMPARE(seconds, 59);
    }

    void secondCounter_data()
    {
        QTest::addColumn<QList<int>>("tickTimes"); // ms after restart
        QTest::addColumn<QList<int>>("seconds");
        QTest::newRow("on time") << QList<int>{1000, 2000, 3000} << QList<int>{1, 1, 1};
        QTest::newRow("slightly early") << QList<int>{999, 1995, 3001} << QList<int>{1, 1, 1};
        QTest::newRow("late tick covers three") << QList<int>{1000, 4000, 5000} << QList<int>{1, 3, 1};
        QTest::newRow("jitter keeps the count") << QList<int>{1200, 2010, 3000} << QList<int>{1, 1, 1};
        QTest::newRow("spurious tick") << QList<int>{1000, 1300, 2000} << QList<int>{1, 0, 1};
    }
    void secondCounter()
    {
        QFETCH(QList<int>, tickTimes);
        QFETCH(QList<int>, seconds);
        SecondCounter counter;
        counter.restart(5000);
        for (qsizetype i = 0; i < tickTimes.size(); ++i)
            QCOMPARE(counter.take(5000 + tickTimes[i]), seconds[i]);
    }

    void clockReached_data()
    {
        QTest::addColumn<QTime>("previous");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("reached");
        QTest::newRow("the target second") << QTime(7, 4, 59) << QTime(7, 5, 0) << "07:05:00" << true;
        QTest::newRow("a second early") << QTime(7, 4, 58) << QTime(7, 4, 59) << "07:05:00" << false;
        QTest::newRow("tick 2 s late over the target") << QTime(7, 4, 59) << QTime(7, 5, 2) << "07:05:00" << true;
        QTest::newRow("tick 5 s late") << QTime(7, 4, 59) << QTime(7, 5, 4) << "07:05:00" << true;
        QTest::newRow("clock goes back") << QTime(7, 5, 30) << QTime(7, 5, 0) << "07:05:00" << true;
        QTest::newRow("clock goes back past it") << QTime(7, 6, 0) << QTime(7, 4, 0) << "07:05:00" << false;
        QTest::newRow("same second again") << QTime(7, 5, 0) << QTime(7, 5, 0) << "07:05:00" << true;
        QTest::newRow("empty target") << QTime(7, 4, 59) << QTime(7, 5, 0) << "" << false;
        QTest::newRow("hours without zero never match") << QTime(7, 4, 59) << QTime(7, 5, 0) << "7:05:00" << false;
        // Whole calendar seconds count, not the 1.2 s that passed.
        QTest::newRow(".900 to 2.100 passes :01") << QTime(7, 4, 59, 900) << QTime(7, 5, 1, 100) << "07:05:00" << true;
        QTest::newRow("two ticks in one second") << QTime(7, 4, 59, 100) << QTime(7, 4, 59, 950) << "07:04:59" << true;
        QTest::newRow("next tick, next second") << QTime(7, 4, 59, 950) << QTime(7, 5, 0, 10) << "07:05:00" << true;
    }
    void clockReached()
    {
        QFETCH(QTime, previous);
        QFETCH(QTime, now);
        QFETCH(QString, target);
        QFETCH(bool, reached);
        const QDate day(2026, 12, 8);
        // As much time passed as the wall clock moved.
        const qint64 passedMs = qMax(0, previous.msecsTo(now));
        QCOMPARE(ClockReached(QDateTime(day, previous), QDateTime(day, now), passedMs, target), reached);
    }

    // The program stalled, the computer slept, or someone set the clock: the
    // seconds looked at are those that really passed, as the clock that
    // counts a suspend measured them.
    void clockReachedAfterAGap_data()
    {
        QTest::addColumn<QDateTime>("previous");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<qint64>("passedMs");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("reached");
        const auto at = [](int h, int m, int s, int ms = 0, int day = 8) {
            return QDateTime(QDate(2026, 12, day), QTime(h, m, s, ms));
        };
        const auto berlin = [](int month, int day, int h, int m) {
            return QDateTime(QDate(2026, month, day), QTime(h, m), QTimeZone("Europe/Berlin"));
        };
        QTest::newRow("asleep past midnight") << at(23, 30, 0) << at(6, 0, 0, 0, 9) << 23400000LL << "00:00:00" << true;
        QTest::newRow("a day or more holds every time") << at(7, 5, 0) << at(7, 5, 1, 0, 9) << 86401000LL << "12:00:00" << true;
        QTest::newRow("nor then without zero") << at(7, 5, 0) << at(7, 5, 0, 0, 10) << 172800000LL << "7:05:00" << false;
        QTest::newRow("set forward onto the target") << at(6, 0, 0) << at(7, 5, 0) << 1000LL << "07:05:00" << true;
        QTest::newRow("asleep an hour, set an hour on") << at(5, 5, 10) << at(7, 5, 10) << 3600000LL << "06:00:00" << false;
        QTest::newRow("wall clock a hair fast") << at(7, 4, 59, 999) << at(7, 5, 1, 2) << 1000LL << "07:05:00" << true;
        QTest::newRow("asleep as the clocks go back") << berlin(10, 25, 1, 30) << berlin(10, 25, 5, 0) << 16200000LL << "02:30:00" << true;
        QTest::newRow("an hour the clocks skip") << berlin(3, 29, 1, 0) << berlin(3, 29, 4, 0) << 7200000LL << "02:30:00" << false;
    }
    void clockReachedAfterAGap()
    {
        QFETCH(QDateTime, previous);
        QFETCH(QDateTime, now);
        QFETCH(qint64, passedMs);
        QFETCH(QString, target);
        QFETCH(bool, reached);
        QCOMPARE(ClockReached(previous, now, passedMs, target), reached);
    }

    void clockReachedAcrossMidnight()
    {
        const QDateTime before(QDate(2026, 12, 8), QTime(23, 59, 59));
        const QDateTime after(QDate(2026, 12, 9), QTime(0, 0, 1));
        QVERIFY(ClockReached(before, after, 2000, QStringLiteral("00:00:00")));
        QVERIFY(ClockReached(before, after, 2000, QStringLiteral("00:00:01")));
        QVERIFY(!ClockReached(before, after, 2000, QStringLiteral("23:59:59")));
    }

    void msToNextSecondAimsJustAfterIt()
    {
        QCOMPARE(MsToNextSecond(QTime(1, 2, 3, 0)), 1005);
        QCOMPARE(MsToNextSecond(QTime(1, 2, 3, 990)), 15);
        QCOMPARE(TimeOfDayText(QTime(9, 5, 0)), QStringLiteral("09:05:00"));
    }
};

QTEST_APPLESS_MAIN(TimeFieldsTest)
#include "tst_timefields.moc"
