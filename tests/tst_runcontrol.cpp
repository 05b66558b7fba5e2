// SPDX-License-Identifier: GPL-3.0-or-later
// The player path, Start and Pause, and the two modes.
#include "app/CommonDialog.h"
#include "support/Harness.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>

using namespace dozewell;
using namespace dozewell::testing;
using Call = FakePlatform::Call;

class RunControlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;

    QString playerPath() const { return h->form->module().PlayerPath; }
    CommonDialog *dialog() const { return h->form->findChild<CommonDialog *>(QStringLiteral("cmd1")); }
    bool ownEnabled(const char *name) const
    {
        QWidget *control = h->w(name);
        return control->isEnabledTo(control->parentWidget());
    }
    void pressEnterIn(const char *name) { QTest::keyClick(h->w(name), Qt::Key_Return); }

private slots:
    void init()
    {
        h = Harness::StartedUp();
    }
    void cleanup() { h.reset(); }

    void pathButtonAppliesThePlayerFileCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lower bound") << "p1/winamp.exe" << qint64(500000) << false;
        QTest::newRow("one byte inside") << "p2/winamp.exe" << qint64(500001) << true;
        QTest::newRow("upper bound") << "p3/winamp.exe" << qint64(1500000) << false;
        QTest::newRow("one byte inside the top") << "p4/winamp.exe" << qint64(1499999) << true;
        QTest::newRow("letter case kept") << "p5/WinAmp.EXE" << qint64(900000) << true;
        QTest::newRow("mywinamp.exe") << "p6/mywinamp.exe" << qint64(900000) << true;
        QTest::newRow("player.exe") << "p7/player.exe" << qint64(900000) << false;
    }
    void pathButtonAppliesThePlayerFileCheck()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(bool, accepted);
        const QString before = playerPath();
        const QString chosen = h->file(name, size);
        h->platform.dialogAnswers = {chosen};
        h->click("cmdPath");
        const Call shown = h->platform.ofKind(Call::ShowOpen).value(0);
        QCOMPARE(shown.text, before);
        QCOMPARE(shown.filter, QStringLiteral("Executable Files|*.exe"));
        QCOMPARE(shown.title, QStringLiteral("Winamp Path"));
        QCOMPARE(playerPath(), accepted ? chosen : before);
        QCOMPARE(h->text("txtPath"), playerPath());
        QCOMPARE(h->platform.messages(),
                 accepted ? QStringList() : QStringList{QStringLiteral("This is not the original Winamp.exe file!")});
        if (!accepted) {
            QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
            QCOMPARE(h->platform.calls.last().icon, MsgIcon::Critical);
        }
    }

    void cancelledOrUnreadablePathChoiceChangesNothing_data()
    {
        QTest::addColumn<bool>("cancelError");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancel, CancelError off") << false << true;
        QTest::newRow("cancel, CancelError on") << true << true;
        QTest::newRow("unreadable size") << false << false;
    }
    void cancelledOrUnreadablePathChoiceChangesNothing()
    {
        QFETCH(bool, cancelError);
        QFETCH(bool, cancel);
        // A typed player path that would fail the file check if examined again.
        const QString typed = h->file(QStringLiteral("typed/notes.txt"));
        h->w<QLineEdit>("txtPath")->setText(typed);
        pressEnterIn("txtPath");
        QCOMPARE(playerPath(), typed);
        dialog()->CancelError = cancelError;
        h->platform.dialogAnswers = {cancel ? std::optional<QString>() : h->dir.filePath(QStringLiteral("nope/winamp.exe"))};
        h->click("cmdPath");
        QCOMPARE(playerPath(), typed);
        QCOMPARE(h->text("txtPath"), typed);
        QVERIFY(h->platform.messages().isEmpty());
        QCOMPARE(dialog()->CancelError, cancelError); // the Path button leaves the setting alone
    }

    void enterTakesOverATypedPath_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("any existing file") << "file" << true;
        QTest::newRow("folder") << "folder" << false;
        QTest::newRow("missing path") << "missing" << false;
        QTest::newRow("pattern") << "pattern" << false;
        QTest::newRow("empty") << "empty" << false;
    }
    void enterTakesOverATypedPath()
    {
        QFETCH(QString, kind);
        QFETCH(bool, accepted);
        const QString before = playerPath();
        const QString file = h->file(QStringLiteral("typed/readme.txt"));
        const QString typed = kind == "file"      ? file
                              : kind == "folder"  ? h->dir.filePath(QStringLiteral("typed"))
                              : kind == "missing" ? h->dir.filePath(QStringLiteral("typed/none.exe"))
                              : kind == "pattern" ? h->dir.filePath(QStringLiteral("typed/*"))
                                                  : QString();
        auto *box = h->w<QLineEdit>("txtPath");
        box->clear();
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), typed);
        QCOMPARE(playerPath(), before); // nothing taken over before Enter
        pressEnterIn("txtPath");
        QCOMPARE(playerPath(), accepted ? typed : before);
        QCOMPARE(box->text(), playerPath());
        QVERIFY(h->platform.messages().isEmpty());
    }

    void startRefusesWithoutModeOrAction_data()
    {
        QTest::addColumn<bool>("mode");
        QTest::addColumn<bool>("action");
        QTest::newRow("neither") << false << false;
        QTest::newRow("no mode") << false << true;
        QTest::newRow("no action") << true << false;
    }
    void startRefusesWithoutModeOrAction()
    {
        QFETCH(bool, mode);
        QFETCH(bool, action);
        if (mode)
            h->click("chkUseCounter");
        if (action)
            h->choose(0);
        h->click("cmdStart");
        QCOMPARE(h->platform.messages(), QStringList{QStringLiteral("Please choose all the needed options")});
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::None);
        QVERIFY(h->w("cmdStart")->isVisible());
    }

    void startDoesNothingSilently_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("zero minutes") << "zero";
        QTest::newRow("no player accepted") << "empty";
        QTest::newRow("player removed since") << "missing";
        QTest::newRow("547 hours") << "overflow";
    }
    void startDoesNothingSilently()
    {
        QFETCH(QString, problem);
        if (problem == "empty") { // the player chosen at start-up was refused
            h = std::make_unique<Harness>();
            h->platform.dialogAnswers = {h->file(QStringLiteral("bad/winamp.exe"), 1500000)};
            h->form->Form_Load();
            h->form->show();
            h->platform.calls.clear();
        }
        h->counterRun(0, problem == "zero" ? 0 : 5);
        if (problem == "missing")
            QFile::remove(playerPath());
        if (problem == "overflow")
            h->w<QLineEdit>("txtHHCounter")->setText(QStringLiteral("547"));
        h->click("cmdStart");
        QVERIFY(h->platform.calls.isEmpty());
        QVERIFY(h->w("cmdStart")->isVisible());
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        QCOMPARE(h->timer("Timer1")->Interval(), 0);
        QCOMPARE(h->text("lblTimer"), QStringLiteral("0:00"));
    }

    // What Start checks is what the time-out starts: a path typed without
    // Enter gives way to the accepted one when a run starts, whether it names
    // a file or not; a refused Start leaves it as it was typed.
    void startUsesTheAcceptedPlayerNotATypedOne_data()
    {
        QTest::addColumn<bool>("typedExists");
        QTest::addColumn<QString>("refusal"); // empty: the run starts
        QTest::newRow("typed path exists") << true << "";
        QTest::newRow("typed path missing") << false << "";
        QTest::newRow("refused: no mode") << true << "no mode";
        QTest::newRow("refused: zero minutes") << true << "zero";
        QTest::newRow("refused: no media file") << false << "media";
    }
    void startUsesTheAcceptedPlayerNotATypedOne()
    {
        QFETCH(bool, typedExists);
        QFETCH(QString, refusal);
        const QString accepted = playerPath();
        const QString typed = typedExists ? h->player(QStringLiteral("other/winamp.exe"))
                                          : h->dir.filePath(QStringLiteral("other/gone.exe"));
        if (refusal == "no mode")
            h->choose(0);
        else
            h->counterRun(0, refusal == "zero" ? 0 : 1, refusal == "media" ? 1 : 0);
        h->w<QLineEdit>("txtPath")->setText(typed);
        h->click("cmdStart");
        if (!refusal.isEmpty()) {
            QCOMPARE(h->text("txtPath"), typed);
            QVERIFY(h->w("cmdStart")->isVisible());
            return;
        }
        QCOMPARE(h->text("txtPath"), accepted);
        QVERIFY(h->w("cmdStop")->isVisible());
        h->second(60);
        const QList<Call> starts = h->platform.ofKind(Call::StartProcess);
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts.first().program, accepted);
    }

    void counterStartOneHourThirty()
    {
        h->counterRun(1, 30);
        h->click("cmdStart");
        QCOMPARE(h->form->sleepTimer().MinutesLeft(), 89);
        QCOMPARE(h->text("lblTimer"), QStringLiteral("89:59"));
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer 89:59"));
        QCOMPARE(h->timer("Timer1")->Interval(), 1000);
        QCOMPARE(h->timer("Timer2")->Interval(), 25);
        QVERIFY(h->w("cmdStop")->isVisible());
        QVERIFY(!h->w("cmdStart")->isVisible());
        for (const char *name : {"chkUseCounter", "chkUseTimer", "cmdPath", "txtPath", "cmdReset", "cmbWhatToDo",
                                 "wfrmMp3File", "txtMp3FileName", "cmdMp3File"})
            QVERIFY2(!ownEnabled(name), name);
        QCOMPARE(h->platform.calls.size(), 1);
        QCOMPARE(h->platform.calls.first().kind, Call::KeepAwake);
        QCOMPARE(h->platform.calls.first().text, QStringLiteral("Dozewell Timer stops the player at 22:37:03"));
    }

    // Pause writes the minutes left back and makes the path and the modes
    // usable again; the next Start goes on with the seconds kept.
    void pauseWritesTheMinutesBack()
    {
        h->counterRun(1, 30);
        h->click("cmdStart");
        h->second(47);
        QCOMPARE(h->text("lblTimer"), QStringLiteral("89:12"));
        h->click("cmdStop");
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("1"));
        QCOMPARE(h->text("txtMMCounter"), QStringLiteral("30"));
        QCOMPARE(h->timer("Timer1")->Interval(), 0);
        QCOMPARE(h->timer("Timer2")->Interval(), 0);
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        for (const char *name : {"chkUseCounter", "chkUseTimer", "cmdPath", "txtPath", "cmbWhatToDo"})
            QVERIFY2(ownEnabled(name), name);
        QVERIFY(!h->platform.keptAwake);
        h->click("cmdStart");
        QCOMPARE(h->text("lblTimer"), QStringLiteral("89:12"));
        QVERIFY(h->platform.keptAwake);
    }

    void timerModeStart()
    {
        // One reading of the clock for the three fields, though it moves on
        // to the next minute between readings.
        h->platform.now = QDateTime(QDate(2026, 12, 8), QTime(7, 1, 59, 999));
        h->platform.readingMovesClockMs = 1;
        h->click("chkUseTimer");
        QCOMPARE(h->text("txtHH"), QStringLiteral("7"));
        QCOMPARE(h->text("txtMM"), QStringLiteral("1"));
        QCOMPARE(h->text("txtSS"), QStringLiteral("59"));
        for (int i = 0; i < 4; ++i)
            h->click("cmdMoreMM");
        h->click("cmdMoreSS");
        h->choose(0);
        h->click("cmdStart");
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer 07:05:00"));
        QCOMPARE(h->form->sleepTimer().TargetTime(), QStringLiteral("07:05:00"));
        QCOMPARE(h->timer("Timer2")->Interval(), 25);
        QCOMPARE(h->timer("Timer1")->Interval(), 0);
        QVERIFY(h->w("cmdStop")->isVisible());
        QVERIFY(ownEnabled("txtPath")); // Timer Mode leaves the path box as it is
        QCOMPARE(h->platform.ofKind(Call::KeepAwake).last().text,
                 QStringLiteral("Dozewell Timer stops the player at 07:05:00"));
    }

    void modeBoxesAreNeverBothTicked()
    {
        auto *counter = h->w<QCheckBox>("chkUseCounter");
        auto *timer = h->w<QCheckBox>("chkUseTimer");
        QRandomGenerator random(20261208);
        for (int i = 0; i < 300; ++i) {
            const int what = random.bounded(4);
            if (what == 0)
                h->click("chkUseCounter");
            else if (what == 1)
                h->click("chkUseTimer");
            else if (what == 2 && h->w("cmdStop")->isVisible())
                h->click("cmdStop");
            else if (what == 3) {
                h->choose(0);
                h->click("cmdStart");
            }
            QVERIFY(!(counter->isChecked() && timer->isChecked()));
        }
    }

    void modeLayouts()
    {
        h->click("chkUseCounter");
        QVERIFY(!ownEnabled("chkUseCounter") && ownEnabled("chkUseTimer"));
        QVERIFY(h->w("txtHHCounter")->isEnabled() && h->w("cmdReset")->isEnabled());
        QVERIFY(!h->w("wfrmTimer")->isEnabled() && !h->w("cmdMoreSS")->isEnabled());
        h->click("chkUseCounter"); // disabled: a second click does nothing
        QVERIFY(h->w<QCheckBox>("chkUseCounter")->isChecked());

        h->click("cmdMoreHHCounter");
        h->click("chkUseTimer");
        QVERIFY(!h->w<QCheckBox>("chkUseCounter")->isChecked());
        QVERIFY(ownEnabled("chkUseCounter") && !ownEnabled("chkUseTimer"));
        QVERIFY(h->w("cmdMoreSS")->isEnabled() && h->w("lblTime")->isEnabled());
        QVERIFY(ownEnabled("cmdReset") && !h->w("cmdReset")->isEnabled()); // set, but its frame is off
        QVERIFY(!h->w("txtHHCounter")->isEnabled());

        h->click("chkUseCounter");
        QCOMPARE(h->text("txtHHCounter"), QStringLiteral("1")); // the Counter fields keep their values
        h->platform.now = h->platform.now.addSecs(3600);
        h->click("chkUseTimer");
        QCOMPARE(h->text("txtHH"), QString::number(h->platform.now.time().hour()));
    }

    void untickingAfterPauseLeavesNoMode()
    {
        h->counterRun(0, 3);
        h->click("cmdStart");
        h->click("cmdStop");
        h->click("chkUseCounter");
        QVERIFY(!h->w<QCheckBox>("chkUseCounter")->isChecked());
        QVERIFY(!h->w<QCheckBox>("chkUseTimer")->isChecked());
        QVERIFY(h->w("txtHHCounter")->isEnabled()); // the last layout stays
        h->click("cmdStart");
        QCOMPARE(h->platform.messages(), QStringList{QStringLiteral("Please choose all the needed options")});
    }

    void actionBoxSwitchesTheMediaControls()
    {
        h->choose(1);
        for (const char *name : {"wfrmMp3File", "txtMp3FileName", "cmdMp3File"})
            QVERIFY2(h->w(name)->isEnabled(), name);
        h->choose(0);
        for (const char *name : {"wfrmMp3File", "txtMp3FileName", "cmdMp3File"})
            QVERIFY2(!ownEnabled(name), name);
    }

    void pauseDisarmsTimerMode()
    {
        h->platform.now = QDateTime(QDate(2026, 12, 8), QTime(7, 4, 55));
        h->click("chkUseTimer");
        for (int i = 0; i < 5; ++i)
            h->click("cmdMoreSS");
        h->choose(0);
        h->click("cmdStart");
        h->second(2);
        h->click("cmdStop");
        QVERIFY(h->form->sleepTimer().TargetTime().isEmpty());
        h->second(10); // past 07:05:00 with "Use Timer" still ticked
        QVERIFY(h->platform.ofKind(Call::StartProcess).isEmpty());
        QVERIFY(h->w<QCheckBox>("chkUseTimer")->isChecked());
    }

    void guardRefusalChangesNothingElse_data()
    {
        QTest::addColumn<bool>("counterMode");
        QTest::newRow("Counter Mode") << true;
        QTest::newRow("Timer Mode") << false;
    }
    void guardRefusalChangesNothingElse()
    {
        QFETCH(bool, counterMode);
        if (counterMode)
            h->counterRun(0, 30, 1);
        else {
            h->click("chkUseTimer");
            h->choose(1);
        }
        const qint16 minutes = h->form->sleepTimer().MinutesLeft();
        // Ticks keep coming while the refusal is open, over the second the fields show.
        h->platform.whileMessageShown = [this] { h->second(2); };
        h->platform.now = QDateTime(QDate(2026, 12, 8), QTime(21, 7, 2));
        h->click("cmdStart");
        QVERIFY(h->platform.ofKind(Call::StartProcess).isEmpty());
        QVERIFY(h->platform.ofKind(Call::KeepAwake).isEmpty());
        QCOMPARE(h->platform.messages(), QStringList{QStringLiteral("No File Was Selected Yet !")});
        QCOMPARE(h->platform.calls.last().icon, MsgIcon::Critical);
        QCOMPARE(h->platform.calls.last().title, QStringLiteral("ERROR"));
        QVERIFY(h->w("cmdStart")->isVisible());
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Dozewell Timer"));
        QCOMPARE(h->timer("Timer1")->Interval(), 0);
        QCOMPARE(h->timer("Timer2")->Interval(), 0);
        QVERIFY(h->form->sleepTimer().TargetTime().isEmpty());
        QCOMPARE(h->form->sleepTimer().MinutesLeft(), minutes);
        QCOMPARE(h->text("lblTimer"), QStringLiteral("0:00"));
        for (const char *name : {"cmdPath", "txtPath", "cmdMp3File", "txtMp3FileName", "wfrmMp3File"})
            QVERIFY2(h->w(name)->isEnabled(), name); // the missing file can be picked at once
        QCOMPARE(h->form->sleepTimer().Banner().NameLeft, 1320.f);
    }
};

QTEST_MAIN(RunControlTest)
#include "tst_runcontrol.moc"
