// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs: the countdown and clock ticks, the time-out action, the title
// banner and the media picker with its staging.
#include "app/Translations.h"
#include "support/Harness.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>
#include <sys/stat.h>
#include <unistd.h>

using namespace dozewell;
using namespace dozewell::testing;
using Call = FakePlatform::Call;

class RunsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;

    QList<Call> starts() const { return h->platform.ofKind(Call::StartProcess); }
    QString staging() const { return h->staging(); }
    void pick(const std::optional<QString> &answer)
    {
        h->platform.dialogAnswers = {answer};
        h->click("cmdMp3File");
    }
    // Ticks until the countdown times out; returns the number of seconds.
    int secondsToTimeOut(int limit)
    {
        int seconds = 0;
        while (starts().isEmpty() && seconds < limit) {
            h->second();
            ++seconds;
        }
        return seconds;
    }
    void timerRunAt(QTime now, int secondsAhead, int action)
    {
        h->platform.now = QDateTime(QDate(2026, 12, 8), now);
        h->click("chkUseTimer");
        for (int i = 0; i < secondsAhead; ++i)
            h->click("cmdMoreSS");
        h->choose(action);
    }

private slots:
    void init()
    {
        h = Harness::StartedUp();
    }
    void cleanup() { h.reset(); }

    // The countdown runs out: the player gets the stop form, the report
    // follows, and the window is idle, its mode boxes still disabled.
    void counterRunTimesOut()
    {
        h->counterRun(0, 1);
        h->click("cmdStart");
        QVERIFY(h->platform.keptAwake);
        bool awakeAtReport = true;
        h->platform.whileMessageShown = [&] { awakeAtReport = h->platform.keptAwake; };
        QCOMPARE(secondsToTimeOut(100), 60);
        QVERIFY(!awakeAtReport);
        QCOMPARE(starts().size(), 1);
        QCOMPARE(starts().first().program, h->form->module().PlayerPath);
        QCOMPARE(starts().first().arguments,
                 (QStringList{"Winamp", "was", "terminated", "by", "Orvo's", "Timer..."}));
        QCOMPARE(h->platform.calls.last().kind, Call::MsgBox);
        QCOMPARE(h->platform.calls.last().text, QStringLiteral("Winamp was terminated by Orvo's Timer!!!"));
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("Orvo's Timer"));
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::None);
        QCOMPARE(h->timer("Timer1")->Interval(), 0);
        QCOMPARE(h->timer("Timer2")->Interval(), 0);
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        QCOMPARE(h->text("lblTimer"), QStringLiteral("-1:59"));
        QVERIFY(h->w("cmdStart")->isVisible() && !h->w("cmdStop")->isVisible());
        QVERIFY(!h->w("chkUseCounter")->isEnabled() && !h->w("chkUseTimer")->isEnabled());
        h->second(120);
        QCOMPARE(starts().size(), 1);
    }

    void tickAfterStopIsIgnored()
    {
        h->counterRun(0, 2);
        h->click("cmdStart");
        h->click("cmdStop");
        const QString shown = h->text("lblTimer");
        h->platform.advance(5000);
        h->form->Timer1_Timer();
        QCOMPARE(h->text("lblTimer"), shown);
        QCOMPARE(h->form->sleepTimer().SecondsLeft(), 59);
    }

    void timerRunPlaysTheStagedFile()
    {
        timerRunAt(QTime(7, 5, 0), 3, 1);
        const QString chosen = h->file(QStringLiteral("music/Night Song.mp3"));
        pick(chosen);
        h->click("cmdStart");
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer 07:05:03"));
        h->second(2); // 07:05:02
        QVERIFY(starts().isEmpty());
        h->platform.advance(2000); // the clock tick comes 2 s late, over the target second
        h->form->Timer3_Timer();
        QCOMPARE(starts().size(), 1);
        QCOMPARE(starts().first().arguments, QStringList{staging() + "QDX.mp3"});
        QCOMPARE(h->platform.calls.last().text, "Playing" + chosen + "...");
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("Orvo's Dozewell Timer"));
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::None);
        QVERIFY(h->w("cmdStart")->isVisible());
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        // Fires once per Start, not again the next day.
        h->platform.advance(24 * 3600 * 1000 - 5000);
        h->second(10);
        QCOMPARE(starts().size(), 1);
    }

    void timerRunPausedBeforeItsTargetDoesNothing()
    {
        timerRunAt(QTime(7, 5, 0), 3, 0);
        h->click("cmdStart");
        h->second(1);
        h->click("cmdStop");
        h->second(10);
        QVERIFY(starts().isEmpty());
    }

    void clockJumpDoesNotFireAMissedTarget()
    {
        timerRunAt(QTime(6, 5, 0), 1, 0); // target 06:05:01
        h->click("cmdStart");
        h->platform.advance(3600 * 1000, true); // the clock set an hour forward
        h->form->Timer3_Timer();
        QVERIFY(starts().isEmpty());
        QVERIFY(h->w("cmdStop")->isVisible());
    }

    void timerRunAcrossMidnight()
    {
        timerRunAt(QTime(23, 59, 58), 0, 0);
        h->w<QLineEdit>("txtHH")->setText(QStringLiteral("0"));
        h->w<QLineEdit>("txtMM")->setText(QStringLiteral("0"));
        h->w<QLineEdit>("txtSS")->setText(QStringLiteral("1"));
        h->click("cmdStart");
        QCOMPARE(h->form->sleepTimer().TargetTime(), QStringLiteral("00:00:01"));
        h->second(2);
        QVERIFY(starts().isEmpty());
        h->second(1);
        QCOMPARE(starts().size(), 1);
    }

    void timerModeNeedsItsBoxTicked()
    {
        timerRunAt(QTime(7, 5, 0), 1, 0);
        h->click("cmdStart");
        h->w<QCheckBox>("chkUseTimer")->setChecked(false);
        h->second(3);
        QVERIFY(starts().isEmpty());
    }

    void twoPlayTimeOutsSendTheSameArguments()
    {
        const QString chosen = h->file(QStringLiteral("music/a.wav"));
        h->counterRun(0, 1, 1);
        pick(chosen);
        h->click("cmdStart");
        secondsToTimeOut(100);
        const QString staged = h->form->module().StagedFile;
        h->click("cmdStart");
        h->second(60);
        QCOMPARE(starts().size(), 2);
        QCOMPARE(starts().at(0).arguments, starts().at(1).arguments);
        QCOMPARE(h->form->module().StagedFile, staged);
    }

    // A Cancel of the picker during a Timer Mode run empties the box, but the
    // player still gets the earlier copy: the report names that file.
    void reportNamesTheFileThePlayerGets()
    {
        const QString chosen = h->file(QStringLiteral("music/night.mp3"));
        timerRunAt(QTime(7, 5, 0), 2, 1);
        pick(chosen);
        h->click("cmdStart");
        pick(std::nullopt);
        QCOMPARE(h->text("txtMp3FileName"), QStringLiteral("No File Was Selected Yet"));
        h->second(2);
        QCOMPARE(starts().first().arguments, QStringList{staging() + "QDX.mp3"});
        QCOMPARE(h->platform.messages(), QStringList{"Playing" + chosen + "..."});
    }

    // The box names the chosen file and what is wrong with it, not the
    // staging folder.
    void unusableMediaFileIsNamed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("says");
        QTest::newRow("pipe") << "fifo" << "is not a regular file";
    }
    void unusableMediaFileIsNamed()
    {
        QFETCH(QString, kind);
        QFETCH(QString, says);
        const QString chosen = h->dir.filePath("music/odd " + kind + ".mp3");
        QDir().mkpath(h->dir.filePath(QStringLiteral("music")));
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(chosen).constData(), 0600), 0);
        h->choose(1);
        pick(chosen);
        const QStringList messages = h->platform.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.first().contains(chosen) && messages.first().contains(says), qPrintable(messages.first()));
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QCOMPARE(h->text("txtMp3FileName"), QStringLiteral("No File Was Selected Yet"));
        QVERIFY(h->form->module().StagedFile.isEmpty());
    }

    // A 32-bit Windows player in a Wine prefix, as the player to use.
    QString windowsPlayer()
    {
        const QString prefix = h->dir.filePath(QStringLiteral("prefix"));
        QDir().mkpath(prefix + "/dosdevices");
        const QString player = h->file(QStringLiteral("prefix/drive_c/Winamp/winamp.exe"), 900000);
        QFile exe(player);
        QByteArray header("MZ");
        header.resize(0x40, '\0');
        header[0x3c] = 0x40;
        if (!exe.open(QIODevice::ReadWrite) || exe.write(header + QByteArray("PE\0\0\x4c\x01", 6)) != 70)
            qFatal("cannot write the player");
        exe.close();
        h->form->findChild<QLineEdit *>("txtPath")->setText(player);
        QTest::keyClick(h->w("txtPath"), Qt::Key_Return);
        return player;
    }

    // The report follows once the player has settled, and tells what really
    // happened: a start that ended at once with a failure, or could not be
    // made, is an error, never a success. A Windows player runs through Wine
    // in its own prefix; one that the Wine here certainly cannot run is
    // refused at Start, while the user is awake. The choices and the staged
    // copy stay whatever happens.
    void timeOutReportsWhatReallyHappened_data()
    {
        QTest::addColumn<bool>("windows");
        QTest::addColumn<QString>("wine");   // "32-bit", "none", "?" (cannot tell), "gone" (at the time-out)
        QTest::addColumn<std::optional<int>>("outcome"); // nothing: still running; -1: could not be started
        QTest::addColumn<QString>("says");   // in the ERROR box; empty: the success report
        QTest::newRow("handed over, status 0") << false << "?" << std::optional(0) << "";
        QTest::newRow("Windows player still running") << true << "32-bit" << std::optional<int>() << "";
        QTest::newRow("native player fails") << false << "?" << std::optional(3) << "ended at once with status 3";
        QTest::newRow("cannot be started") << false << "?" << std::optional(-1) << "could not be started";
        QTest::newRow("launcher fails") << true << "?" << std::optional(1) << "ended at once with status 1";
        QTest::newRow("no Wine at Start") << true << "none" << std::optional(0) << "sudo apt install wine wine32:i386";
        QTest::newRow("Wine gone by the time-out") << true << "gone" << std::optional(0) << "needs Wine";
        // Wine's files are there, but this computer does not run its loader.
        QTest::newRow("loader refused at Start") << true << "32-bit, refused" << std::optional(0)
                                                 << "/usr/lib/wine/wine: Exec format error";
        QTest::newRow("loader refused by the time-out") << true << "32-bit, refused later" << std::optional(126)
                                                        << "refused to run Wine's loader.\n\nThe Wine here";
    }
    void timeOutReportsWhatReallyHappened()
    {
        QFETCH(bool, windows);
        QFETCH(QString, wine);
        QFETCH(std::optional<int>, outcome);
        QFETCH(QString, says);
        const QString player = windows ? windowsPlayer() : h->form->module().PlayerPath;
        const QString launcher = wine == "none" ? QString() : h->wine(wine == "?" ? std::nullopt : std::optional(true));
        const BriefRun refused{true, FakePlatform::exited(126),
                               "/usr/bin/wine: 40: exec: /usr/lib/wine/wine: Exec format error\n"};
        if (wine == "32-bit, refused")
            h->platform.briefRun = refused;
        h->platform.processesStart = outcome != -1;
        if (outcome)
            h->platform.processOutcome = FakePlatform::exited(*outcome);
        timerRunAt(QTime(7, 5, 0), 1, 1);
        const QString chosen = h->file(QStringLiteral("music/song.mp3"));
        pick(chosen);
        h->click("cmdStart");
        const bool refusedAtStart = wine == "none" || wine == "32-bit, refused";
        QCOMPARE(h->w("cmdStart")->isHidden(), !refusedAtStart);
        if (wine == "gone")
            QFile::remove(launcher);
        if (wine == "32-bit, refused later")
            h->platform.briefRun = refused;
        h->second();

        QCOMPARE(starts().size(), refusedAtStart || wine == "gone" ? 0 : 1);
        const Call report = h->platform.calls.last();
        if (says.isEmpty()) {
            QCOMPARE(report.text, "Playing" + chosen + "...");
        } else {
            QCOMPARE(h->platform.messages().size(), 1);
            QCOMPARE(report.title, QStringLiteral("ERROR"));
            QCOMPARE(report.icon, MsgIcon::Critical);
            QVERIFY2(report.text.contains(player) && report.text.contains(says), qPrintable(report.text));
        }
        if (windows && !starts().isEmpty()) {
            QCOMPARE(starts().first().program, launcher);
            QCOMPARE(starts().first().arguments.value(0), player);
            QCOMPARE(starts().first().environment,
                     (QStringList{"WINEPREFIX=" + h->dir.filePath("prefix"), "WINEDEBUG=-all"}));
        }
        QVERIFY(h->w("cmdStart")->isVisible());
        QCOMPARE(h->text("txtMp3FileName"), chosen);
        QCOMPARE(Harness::contents(staging() + "QDX.mp3"), Harness::contents(chosen));
        QCOMPARE(h->w<QComboBox>("cmbWhatToDo")->currentIndex(), 1);
        QCOMPARE(h->platform.ofKind(Call::KeepAwake).size(), refusedAtStart ? 0 : 1);
        // Wine is asked once at Start, and again only to say why a start failed that it gave no reason for.
        if (windows && !launcher.isEmpty() && wine != "gone") {
            QCOMPARE(h->platform.ofKind(Call::RunBriefly).size(), outcome.value_or(0) > 0 && !refusedAtStart ? 2 : 1);
            QCOMPARE(h->platform.ofKind(Call::RunBriefly).first().arguments, QStringList{"--version"});
        }
        QVERIFY(!h->platform.keptAwake);
    }

    // Wine may take seconds to answer at Start, here 10: the window draws and
    // answers meanwhile, Start keeps the focus, takes no second click and asks
    // no second time, and the player and the media file cannot be changed
    // under it; then it goes on with the answer as a Start does. A Wine with no
    // answer within half a minute refuses the run, changing nothing else.
    void startWaitsForWine_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::newRow("answers after 10 s") << true;
        QTest::newRow("no answer in time") << false;
    }
    void startWaitsForWine()
    {
        QFETCH(bool, answers);
        windowsPlayer();
        const QString launcher = h->wine(true);
        h->platform.holdBriefRuns = true;
        h->counterRun(0, 1);
        h->w("cmdStart")->setFocus();
        h->click("cmdStart");
        QVERIFY(h->w("cmdStart")->isVisible() && h->form->focusWidget() == h->w("cmdStart"));
        h->form->cmdStart_Click();
        QCOMPARE(h->platform.ofKind(Call::RunBriefly).size(), 1);
        QVERIFY(!h->w("cmdPath")->isEnabled() && !h->w("txtPath")->isEnabled());
        h->platform.advance(10000);
        h->platform.answerBriefRun(answers ? h->platform.briefRun : BriefRun{});

        QVERIFY(h->w("cmdStart")->isEnabled());
        QCOMPARE(h->w("cmdPath")->isEnabled(), !answers);
        QCOMPARE(h->w("cmdStop")->isVisible(), answers);
        QCOMPARE(h->timer("Timer1")->Interval(), answers ? 1000 : 0);
        QCOMPARE(h->platform.keptAwake, answers);
        QCOMPARE(h->platform.messages().size(), answers ? 0 : 1);
        if (answers)
            return;
        QVERIFY2(h->platform.messages().first().contains(launcher + ") did not answer within half a minute")
                     && h->platform.messages().first().contains(launcher + " --version"),
                 qPrintable(h->platform.messages().first()));
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        QCOMPARE(h->form->focusWidget(), h->w("cmdStart"));
    }

    // While the player settles the window is idle and everything goes on; a
    // run started meanwhile is not ended by the report, and nothing is
    // reported after the end.
    void windowGoesOnWhileThePlayerSettles()
    {
        h->platform.settleLater = true;
        h->counterRun(0, 1);
        h->click("cmdStart");
        h->second(60);
        QCOMPARE(starts().size(), 1);
        QVERIFY(h->platform.messages().isEmpty());
        QVERIFY(h->w("cmdStart")->isVisible());
        const QString clock = h->text("lblTime");
        h->second();
        QVERIFY(h->text("lblTime") != clock);
        h->click("cmdStart");
        h->platform.settle(FakePlatform::exited(0));
        QCOMPARE(h->platform.messages(), QStringList{QStringLiteral("Winamp was terminated by Orvo's Timer!!!")});
        QVERIFY(h->w("cmdStop")->isVisible());
        QVERIFY(h->form->windowTitle().startsWith(QStringLiteral("Dozewell Timer 0:")));
        QVERIFY(h->platform.keptAwake);
        // A player that settles after the program ended is told to nobody.
        h->second(60);
        h->click("cmdClose");
        QVERIFY(!h->platform.keptAwake);
        h->platform.settle(FakePlatform::exited(3));
        QCOMPARE(h->platform.messages().size(), 1);
    }

    void ticksWhileTheReportIsOpenDoNotFireAgain()
    {
        timerRunAt(QTime(7, 5, 0), 1, 0);
        h->click("cmdStart");
        int nested = 0;
        h->platform.whileMessageShown = [&] {
            if (nested++ < 3)
                h->second();
        };
        h->second();
        QCOMPARE(starts().size(), 1);
    }

    // The banner moves with Timer2 while a run goes on and stands still where
    // it stood after it. Minimized, or behind the screen saver, it wakes
    // nobody; seen again, its labels stand where the ticks left out would
    // have put them. Behind the screen saver nothing is painted, and the
    // caption catches up when the screen comes back.
    void bannerSlidesOnlyWhileSeen_data()
    {
        QTest::addColumn<bool>("screenSaver");
        QTest::newRow("minimized") << false;
        QTest::newRow("screen saver") << true;
    }
    void bannerSlidesOnlyWhileSeen()
    {
        QFETCH(bool, screenSaver);
        const auto unseen = [&](bool unseen) {
            if (screenSaver)
                h->platform.setScreenSaver(unseen);
            else if (unseen)
                h->click("cmdHide");
            else
                h->form->showNormal();
        };
        auto *name = h->w("lblName");
        h->form->Timer2_Timer();
        QCOMPARE(name->x(), 86); // 1290 twips
        h->counterRun(0, 5);
        h->click("cmdStart");
        QCOMPARE(h->timer("Timer2")->Interval(), 25);
        QVERIFY(!h->timer("Timer2")->isSuspended());

        const QString caption = h->form->windowTitle();
        unseen(true);
        QVERIFY(h->timer("Timer2")->isSuspended() && !h->timer("Timer2")->wakes());
        QCOMPARE(h->timer("Timer2")->Interval(), 25);
        QCOMPARE(h->form->updatesEnabled(), !screenSaver);
        // The clock ticks along with the countdown, not on its own.
        QVERIFY(!h->timer("Timer3")->wakes());
        h->platform.advance(1000);
        emit h->timer("Timer1")->Timer();
        QCOMPARE(h->text("lblTime"), QStringLiteral("21:07:04"));
        // The taskbar shows a minimized run's caption; behind the screen saver it waits.
        QCOMPARE(h->form->windowTitle(), screenSaver ? caption : QStringLiteral("Dozewell Timer 4:58"));
        h->second(3); // 160 ticks of 25 ms left out in all
        unseen(false);
        QVERIFY(h->timer("Timer2")->wakes() && h->timer("Timer3")->wakes() && h->form->updatesEnabled());
        // 161 ticks from start-up: to the left edge, over to the right one, and 25 back.
        QCOMPARE(h->form->sleepTimer().Banner().NameLeft, 2760.f - 25 * 30);
        QCOMPARE(name->x(), qRound(h->form->sleepTimer().Banner().NameLeft / 15));
        QCOMPARE(h->text("lblTimer"), QStringLiteral("4:55")); // the countdown went on
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer 4:55"));

        h->click("cmdStop");
        QCOMPARE(h->timer("Timer2")->Interval(), 0);
        const float stood = h->form->sleepTimer().Banner().NameLeft;
        unseen(true);
        h->second(10);
        unseen(false);
        QCOMPARE(h->form->sleepTimer().Banner().NameLeft, stood);
    }

    void mediaPicker_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("staged"); // empty: nothing taken
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("language"); // the size a number, which a translation groups as its language does
        QTest::newRow("Song.MP3") << "Song.MP3" << qint64(5000) << "QDX.mp3" << "" << "";
        QTest::newRow("one byte over") << "huge.avi" << qint64(20000001) << ""
                                       << "Filesize too big 20000001Bytes, 20,000,000Bytes is the max size !" << "";
        QTest::newRow("one byte over, in German")
            << "huge.avi" << qint64(20000001) << ""
            << "Die Datei ist zu groß (Größe in Bytes: 20.000.001); erlaubt sind höchstens 20.000.000 Bytes!" << "de";
        QTest::newRow(".mpeg") << "clip.mpeg" << qint64(10) << "" << "" << "";
    }
    void mediaPicker()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, staged);
        QFETCH(QString, message);
        QFETCH(QString, language);
        std::optional<Translations> translations;
        if (!language.isEmpty()) {
            translations.emplace(QLocale(language));
            QLocale::setDefault(QLocale(language));
        }
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
        h->choose(1);
        const QString chosen = h->file("music/" + name, size);
        pick(chosen);
        const Call shown = h->platform.ofKind(Call::ShowOpen).first();
        QCOMPARE(shown.filter, QCoreApplication::translate("Texts", "Winamp Media File and Playlists")
                                   + QStringLiteral("|*.mp3;*.m3u;*.wav;*.mid;*.voc;*.mod;*.avi;*.mpg"));
        QCOMPARE(shown.title, QStringLiteral("Winamp Path"));
        QCOMPARE(h->platform.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (staged.isEmpty()) {
            QCOMPARE(h->text("txtMp3FileName"), QStringLiteral("No File Was Selected Yet"));
            QVERIFY(h->form->module().StagedFile.isEmpty());
            QVERIFY(!QFileInfo::exists(staging()));
        } else {
            QCOMPARE(h->text("txtMp3FileName"), chosen);
            QCOMPARE(h->form->module().StagedFile, staging() + staged);
            QCOMPARE(QFileInfo(staging() + staged).size(), size);
            if (size < 100000)
                QCOMPARE(Harness::contents(staging() + staged), Harness::contents(chosen));
        }
    }

    void laterPicksReplaceAndKeepCopies()
    {
        h->choose(1);
        const QString first = h->file(QStringLiteral("music/one.mp3"), 11);
        const QString second = h->file(QStringLiteral("music/two.mp3"), 22);
        const QString third = h->file(QStringLiteral("music/three.wav"), 33);
        pick(first);
        pick(second);
        QCOMPARE(h->platform.ofKind(Call::ShowOpen).last().text, staging() + "QDX.mp3");
        QCOMPARE(Harness::contents(staging() + "QDX.mp3"), Harness::contents(second));
        pick(third);
        QCOMPARE(Harness::contents(staging() + "QDX.mp3"), Harness::contents(second));
        QCOMPARE(Harness::contents(staging() + "QDX.wav"), Harness::contents(third));
        QCOMPARE(QDir(staging()).entryList(QDir::Files | QDir::Hidden), (QStringList{"QDX.mp3", "QDX.wav"}));
        pick(std::nullopt);
        QCOMPARE(h->text("txtMp3FileName"), QStringLiteral("No File Was Selected Yet"));
        QCOMPARE(h->form->module().StagedFile, staging() + "QDX.wav");
    }

    void failedStagingKeepsTheEarlierChoice()
    {
        h->choose(1);
        const QString first = h->file(QStringLiteral("music/first.mp3"), 44);
        pick(first);
        // Make the staged name unwritable for anyone, root included: a folder stands there.
        QVERIFY(QFile::remove(staging() + "QDX.mp3"));
        QVERIFY(QDir().mkpath(staging() + "QDX.mp3/inside"));
        pick(h->file(QStringLiteral("music/second.mp3"), 55));
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QCOMPARE(h->text("txtMp3FileName"), first);
        QCOMPARE(h->form->module().StagedFile, staging() + "QDX.mp3");
        QCOMPARE(QDir(staging()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void readOnlyStagingFolderGivesTheErrorBox()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders (the case above makes the copy fail for root too)");
        h->choose(1);
        const QString first = h->file(QStringLiteral("music/kept.mp3"), 44);
        pick(first);
        QFile::setPermissions(staging(), QFile::ReadOwner | QFile::ExeOwner);
        pick(h->file(QStringLiteral("music/refused.mp3"), 55));
        QFile::setPermissions(staging(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::Critical);
        QCOMPARE(h->text("txtMp3FileName"), first);
        QCOMPARE(Harness::contents(staging() + "QDX.mp3"), Harness::contents(first));
    }

    void stagingFolderThatIsAFileGivesTheErrorBox()
    {
        h->choose(1);
        QFile::remove(QDir::cleanPath(staging()));
        QDir().mkpath(QFileInfo(QDir::cleanPath(staging())).path());
        QFile blocker(QDir::cleanPath(staging()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        pick(h->file(QStringLiteral("music/c.mp3")));
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::Critical);
        QCOMPARE(h->text("txtMp3FileName"), QStringLiteral("No File Was Selected Yet"));
        QVERIFY(h->form->module().StagedFile.isEmpty());
    }
};

QTEST_MAIN(RunsTest)
#include "tst_runs.moc"
