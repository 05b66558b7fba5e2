// SPDX-License-Identifier: GPL-3.0-or-later
// The sleep timer without a window: the countdown, the Timer Mode target and
// the banner's course, driven by the ticks and clocks a test chooses.
#include "timer/SleepTimer.h"

#include <QSignalSpy>
#include <QTest>

using namespace dozewell;

namespace {
const QDate kDay(2026, 12, 8);

// A sleep timer and what it announced.
struct Watched {
    SleepTimer run;
    QStringList shown;    // the countdown
    QStringList captions;
    int timeOuts = 0;
    QDateTime now{kDay, QTime(21, 7, 3)};
    qint64 nowMs = 100000; // the clock that counts a suspend

    Watched()
    {
        QObject::connect(&run, &SleepTimer::countdownChanged, [this](const QString &text) { shown << text; });
        QObject::connect(&run, &SleepTimer::captionChanged, [this](const QString &text) { captions << text; });
        QObject::connect(&run, &SleepTimer::timedOut, [this] { ++timeOuts; });
        run.startUp(now, nowMs);
    }
    // The clock tick, and the countdown's until its time-out, after `ms`
    // passed and the wall clock moved `wallMs`.
    void tick(qint64 ms = 1000, qint64 wallMs = 1000)
    {
        nowMs += ms;
        now = now.addMSecs(wallMs);
        if (counting && timeOuts == 0)
            run.countdownTick(nowMs);
        run.clockTick(now, nowMs, true);
    }
    bool counting = false;
    // Countdown ticks, one a second, until the time-out or `limit`; returns the seconds.
    int countDown(int limit = 100000)
    {
        int seconds = 0;
        while (timeOuts == 0 && seconds < limit) {
            nowMs += 1000;
            run.countdownTick(nowMs);
            ++seconds;
        }
        return seconds;
    }
};
} // namespace

class SleepTimerTest : public QObject {
    Q_OBJECT

private slots:
    // Every second is shown once, down to 0:00, and a minute lasts sixty.
    void countdownShowsEverySecond_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::newRow("1 minute") << 1;
        QTest::newRow("30 minutes") << 30;
        QTest::newRow("23 hours 59 minutes") << 23 * 60 + 59;
    }
    void countdownShowsEverySecond()
    {
        QFETCH(int, minutes);
        Watched w;
        w.run.startCounter(minutes, w.nowMs);
        QVERIFY(w.run.running());
        QCOMPARE(w.run.SecondsToTimeOut(), 60 * minutes);
        QCOMPARE(w.countDown(), 60 * minutes);
        QCOMPARE(w.shown.first(), QStringLiteral("%1:59").arg(minutes - 1));
        QCOMPARE(w.shown.at(1), QStringLiteral("%1:58").arg(minutes - 1));
        QCOMPARE(w.shown.at(w.shown.size() - 2), QStringLiteral("0:00"));
        QCOMPARE(w.shown.last(), QStringLiteral("-1:59"));
        QCOMPARE(w.shown.removeDuplicates(), 0);
        QCOMPARE(w.captions.last(), QStringLiteral("Dozewell Timer -1:59"));
        QCOMPARE(w.timeOuts, 1);
        QVERIFY(!w.run.running());
    }

    void lateTickCoversTheSecondsItMissed()
    {
        Watched w;
        w.run.startCounter(1, w.nowMs);
        w.countDown(10);
        w.nowMs += 3000; // the event loop was busy: one tick for three seconds
        w.run.countdownTick(w.nowMs);
        QCOMPARE(w.shown.last(), QStringLiteral("0:46"));
        QCOMPARE(w.countDown(), 60 - 13);
    }

    // Pause gives the fields the minutes left, the running one counted, and
    // keeps the seconds: the next Start goes on from there ("4:5" quirk
    // included), and a long pause costs nothing.
    void pauseAndStartAgain_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shownAtPause");
        QTest::addColumn<int>("hoursField");
        QTest::addColumn<int>("minutesField");
        QTest::addColumn<QString>("shownAtStart");
        QTest::newRow("89:12") << 90 << 47 << "89:12" << 1 << 30 << "89:12";
        QTest::newRow("0:07") << 1 << 52 << "0:07" << 0 << 1 << "0:7";
        QTest::newRow("4:05") << 5 << 54 << "4:05" << 0 << 5 << "4:5";
    }
    void pauseAndStartAgain()
    {
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QString, shownAtPause);
        QFETCH(int, hoursField);
        QFETCH(int, minutesField);
        QFETCH(QString, shownAtStart);
        Watched w;
        w.run.startCounter(minutes, w.nowMs);
        w.countDown(seconds);
        QCOMPARE(w.shown.last(), shownAtPause);
        const std::optional<CounterFields> fields = w.run.pause(true);
        w.run.stop();
        QVERIFY(fields);
        QCOMPARE(fields->hours, hoursField);
        QCOMPARE(fields->minutes, minutesField);
        QCOMPARE(w.captions.last(), QStringLiteral("Dozewell Timer"));
        w.nowMs += 600000;
        w.run.startCounter(hoursField * 60 + minutesField, w.nowMs);
        QCOMPARE(w.shown.last(), shownAtStart);
        QCOMPARE(w.captions.last(), "Dozewell Timer " + shownAtStart);
        QCOMPARE(w.countDown(), 60 * minutes - seconds);
    }

    // Reset gives a fresh countdown, shown at rest; start-up resets it too,
    // and turns the banner left without moving it.
    void resetAndStartUpGiveAFreshCountdown()
    {
        Watched w;
        w.run.startCounter(2, w.nowMs);
        w.countDown(30);
        w.run.pause(true);
        w.run.bannerTick(50);
        w.run.resetCountdown();
        QCOMPARE(w.shown.last(), QStringLiteral("0:00"));
        QCOMPARE(w.run.MinutesLeft(), 0);
        QCOMPARE(w.run.SecondsLeft(), 59);
        w.run.startCounter(1, w.nowMs);
        QCOMPARE(w.countDown(), 60);

        const float name = w.run.Banner().NameLeft;
        QCOMPARE(w.run.BannerStep(), 1);
        w.run.startUp(QDateTime(kDay, QTime(7, 0)), w.nowMs);
        QCOMPARE(w.run.BannerStep(), -1);
        QCOMPARE(w.run.Banner().NameLeft, name);
        QCOMPARE(w.run.MinutesLeft(), 0);
        QCOMPARE(w.run.SecondsLeft(), 59);
    }

    // The target fires on the tick that passes it, only while Timer Mode is
    // ticked, and once per Start; Pause disarms it.
    void targetFiresOncePerStart_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("timeOuts");
        QTest::newRow("fires") << true << false << 1;
        QTest::newRow("Use Timer unticked") << false << false << 0;
        QTest::newRow("paused before it") << true << true << 0;
    }
    void targetFiresOncePerStart()
    {
        QFETCH(bool, ticked);
        QFETCH(bool, paused);
        QFETCH(int, timeOuts);
        Watched w;
        QSignalSpy clock(&w.run, &SleepTimer::timeOfDayChanged);
        QDateTime now(kDay, QTime(7, 4, 58));
        w.run.clockTick(now, w.nowMs, ticked);
        w.run.startTimer(QStringLiteral("07:05:00"));
        QCOMPARE(w.captions.last(), QStringLiteral("Dozewell Timer 07:05:00"));
        if (paused) {
            QVERIFY(!w.run.pause(false));
            w.run.stop();
        }
        for (int second = 0; second < 24 * 3600 + 10; ++second) {
            now = now.addSecs(1);
            w.nowMs += 1000;
            w.run.clockTick(now, w.nowMs, ticked);
        }
        QCOMPARE(w.timeOuts, timeOuts);
        QVERIFY(w.run.TargetTime().isEmpty() == (timeOuts == 1 || paused));
        QCOMPARE(clock.at(1).first().toString(), QStringLiteral("07:04:59"));
    }

    // The computer slept or the program stalled: the first ticks after it act
    // on the time that passed meanwhile, once; a wall clock that someone set
    // forward skips nothing of a run.
    void timePassesWithoutTicks_data()
    {
        QTest::addColumn<int>("minutes");      // a Counter Mode run; 0: Timer Mode
        QTest::addColumn<int>("targetAheadS"); // Timer Mode's target, from the Start
        QTest::addColumn<qint64>("passedMs");
        QTest::addColumn<qint64>("wallMs");
        QTest::addColumn<int>("timeOuts");
        QTest::newRow("asleep across the countdown's end") << 60 << 0 << 2LL * 3600000 << 2LL * 3600000 << 1;
        QTest::newRow("clock set forward in a countdown") << 30 << 0 << 1000LL << 3600000LL << 0;
        QTest::newRow("asleep across the target") << 0 << 3600 << 8LL * 3600000 << 8LL * 3600000 << 1;
        QTest::newRow("stalled 9 s across the target") << 0 << 5 << 9000LL << 9000LL << 1;
        QTest::newRow("clock set forward across the target") << 0 << 1800 << 1000LL << 3600000LL << 0;
    }
    void timePassesWithoutTicks()
    {
        QFETCH(int, minutes);
        QFETCH(int, targetAheadS);
        QFETCH(qint64, passedMs);
        QFETCH(qint64, wallMs);
        QFETCH(int, timeOuts);
        Watched w;
        w.counting = minutes > 0;
        if (w.counting)
            w.run.startCounter(static_cast<qint16>(minutes), w.nowMs);
        else
            w.run.startTimer(w.now.addSecs(targetAheadS).toString(QStringLiteral("HH:mm:ss")));
        w.tick();
        w.tick(passedMs, wallMs);
        QCOMPARE(w.timeOuts, timeOuts);
        for (int second = 0; second < 20; ++second)
            w.tick();
        QCOMPARE(w.timeOuts, timeOuts);
    }

    // The course from start-up, the ranges the labels keep to, and a run of
    // ticks taken in one go landing where single ticks would.
    void bannerCourse()
    {
        SleepTimer run;
        QList<QList<float>> moves;
        connect(&run, &SleepTimer::bannerMoved, [&](float name, float year, float version) {
            moves << QList<float>{name, year, version};
        });
        run.bannerTick();
        QCOMPARE(moves.last(), (QList<float>{1290, 605, 3351}));

        struct Row { int tick; int step; float name, year, version; };
        const QList<Row> course = {
            {44, -1, 0, 820, 2964}, {45, 1, 30, 815, 2973}, {136, 1, 2760, 360, 3792},
            {137, -1, 2730, 365, 3783}, {228, -1, 0, 820, 2964}, {229, 1, 30, 815, 2973},
            {228 + 184, -1, 0, 820, 2964},
        };
        int tick = 1;
        for (const Row &row : course) {
            while (tick < row.tick) {
                run.bannerTick();
                ++tick;
            }
            QCOMPARE(run.BannerStep(), row.step);
            QCOMPARE(moves.last(), (QList<float>{row.name, row.year, row.version}));
        }
        for (int label = 0; label < 3; ++label) {
            const auto [low, high] = std::minmax_element(moves.begin(), moves.end(), [label](auto &a, auto &b) {
                return a.at(label) < b.at(label);
            });
            QCOMPARE((QList<float>{low->at(label), high->at(label)}),
                     (QList<QList<float>>{{0, 2760}, {360, 820}, {2964, 3792}}.at(label)));
        }

        for (const qint64 ticks : {1, 45, 183, 184, 185, 1000003}) {
            BannerCourse oneByOne;
            for (qint64 i = 0; i < ticks; ++i)
                oneByOne.Tick();
            BannerCourse atOnce;
            atOnce.Advance(ticks);
            QCOMPARE(atOnce.NameLeft, oneByOne.NameLeft);
            QCOMPARE(atOnce.YearLeft, oneByOne.YearLeft);
            QCOMPARE(atOnce.VersionLeft, oneByOne.VersionLeft);
            QCOMPARE(atOnce.BannerStep, oneByOne.BannerStep);
        }
    }
};

QTEST_APPLESS_MAIN(SleepTimerTest)
#include "tst_sleeptimer.moc"
