// SPDX-License-Identifier: GPL-3.0-or-later
// Tens of thousands of random user actions on the window, checking the
// program's invariants after every one.
//   DOZEWELL_SEED=<n>     replays one run (the seed is printed at the start)
//   DOZEWELL_ACTIONS=<n>  sets the number of actions (default 25000)
#include "player/CommandLine.h"
#include "support/Harness.h"
#include "app/frmAbout.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace dozewell;
using namespace dozewell::testing;
using Call = FakePlatform::Call;

class AbuseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Harness> h;
    QRandomGenerator m_random;
    QStringList m_files;   // files the dialog may answer with
    QStringList m_players; // player candidates
    int m_depth = 0;

    int pick(int n) { return static_cast<int>(m_random.bounded(n)); }

    void newEpisode()
    {
        h = std::make_unique<Harness>();
        m_players = {h->player(), h->file(QStringLiteral("bad/winamp.exe"), 1500000),
                     h->file(QStringLiteral("other/player.exe"), 900000),
                     h->dir.filePath(QStringLiteral("missing/winamp.exe")), h->dir.filePath(QStringLiteral("other"))};
        m_files.clear();
        for (const char *ext : {"mp3", "m3u", "wav", "mod", "mid", "voc", "avi", "mpg", "MP3", "mpeg", "txt"})
            m_files << h->file(QStringLiteral("music/a song.") + ext, 10);
        m_files << h->file(QStringLiteral("music/huge.mp3"), 20000001) << h->dir.filePath(QStringLiteral("nope.mp3"));
        h->platform.dialogAnswers = {m_players.first()};
        h->platform.settleLater = pick(2) == 0; // the player settles after the action that started it
        h->form->Form_Load();
        h->form->show();
        // Timer ticks also arrive while a message box is open.
        h->platform.whileMessageShown = [this] {
            if (m_depth > 2 || pick(3) != 0)
                return;
            ++m_depth;
            h->second(1 + pick(3));
            --m_depth;
        };
    }

    void answerDialog(const QStringList &choices)
    {
        const int n = pick(choices.size() + 1);
        h->platform.dialogAnswers = {n == choices.size() ? std::optional<QString>() : choices.at(n)};
    }

    void clickIfUsable(QWidget *control)
    {
        if (control->isVisible() && control->isEnabled())
            QTest::mouseClick(control, Qt::LeftButton);
    }

    // One random action; returns a short description for the failure message.
    QString act()
    {
        static const char *buttons[] = {"cmdMoreHHCounter", "cmdLessHHCounter", "cmdMoreMMCounter", "cmdLessMMCounter",
                                        "cmdMoreHH", "cmdLessHH", "cmdMoreMM", "cmdLessMM", "cmdMoreSS", "cmdLessSS",
                                        "cmdReset", "cmdStart", "cmdStop", "cmdHide", "cmdAbout", "chkUseCounter",
                                        "chkUseTimer"};
        switch (pick(17)) {
        case 0: case 1: case 2: case 3: {
            const char *name = buttons[pick(std::size(buttons))];
            clickIfUsable(h->w(name));
            return name;
        }
        case 4:
            if (h->w("cmbWhatToDo")->isEnabled())
                h->choose(pick(2));
            return QStringLiteral("choose action");
        case 5:
            answerDialog(m_players);
            clickIfUsable(h->w("cmdPath"));
            return QStringLiteral("cmdPath");
        case 6:
            if (pick(50) == 0) { // rarely, a file of exactly the size limit
                h->platform.dialogAnswers = {h->file(QStringLiteral("music/limit.wav"), 20000000)};
            } else {
                answerDialog(m_files);
            }
            clickIfUsable(h->w("cmdMp3File"));
            return QStringLiteral("cmdMp3File");
        case 7: {
            auto *box = h->w<QLineEdit>("txtPath");
            if (!box->isEnabled())
                return QStringLiteral("txtPath disabled");
            switch (pick(4)) {
            case 0: box->selectAll(); QTest::keyClicks(box, m_players.at(pick(m_players.size()))); break;
            case 1: QTest::keyClick(box, Qt::Key_Backspace); break;
            case 2: QTest::keyClicks(box, QStringLiteral("x*?")); break;
            default: QTest::keyClick(box, Qt::Key_Return); break;
            }
            return QStringLiteral("txtPath keys");
        }
        case 8: case 9: case 10:
            h->second(1 + pick(2));
            return QStringLiteral("second");
        case 11:
            for (int i = pick(200); i > 0; --i)
                h->form->Timer2_Timer();
            return QStringLiteral("banner ticks");
        case 12:
            h->platform.advance((pick(2) ? 1 : -1) * qint64(pick(7200)) * 1000, true);
            h->form->Timer3_Timer();
            return QStringLiteral("clock jump");
        case 13:
            if (frmAbout *about = h->form->aboutWindow()) {
                if (pick(2))
                    clickIfUsable(about->findChild<QWidget *>(QStringLiteral("cmdClose")));
                else
                    about->close();
            }
            return QStringLiteral("about close");
        case 15:
            if (h->platform.unsettled() > 0)
                h->platform.settle(pick(3) == 0 ? ProcessOutcome() : FakePlatform::exited(pick(3)));
            return QStringLiteral("player settles");
        case 14:
            if (h->form->isMinimized())
                h->form->showNormal();
            return QStringLiteral("restore");
        default:
            if (pick(40) == 0) {
                clickIfUsable(h->w("cmdClose"));
                return QStringLiteral("cmdClose");
            }
            h->second(30);
            return QStringLiteral("half a minute");
        }
    }

    void checkInvariants(const QString &action, qsizetype startsBefore)
    {
        const QString what = QStringLiteral(" after ") + action;
        QVERIFY2(!(h->w<QCheckBox>("chkUseCounter")->isChecked() && h->w<QCheckBox>("chkUseTimer")->isChecked()),
                 qPrintable("both modes" + what));
        QVERIFY2(h->w("cmdStart")->isHidden() != h->w("cmdStop")->isHidden(), qPrintable("start/pause" + what));
        QVERIFY2(h->w("cmdStart")->isHidden() == h->form->sleepTimer().running(), qPrintable("run state" + what));
        // Awake while a run waits; asleep once no run waits and no player has yet to take its command.
        const bool running = h->form->sleepTimer().running();
        QVERIFY2(h->platform.keptAwake == running || (!running && h->platform.unsettled() > 0) || h->platform.ended,
                 qPrintable("kept awake" + what));
        static const QRegularExpression caption(
            QStringLiteral("^Dozewell Timer( (-?\\d+:\\d\\d?|\\d\\d:\\d\\d:\\d\\d))?$"));
        QVERIFY2(caption.match(h->form->windowTitle()).hasMatch(), qPrintable(h->form->windowTitle() + what));
        QVERIFY2(h->form->sleepTimer().SecondsLeft() <= 59, qPrintable("seconds" + what));

        const QList<Call> starts = h->platform.ofKind(Call::StartProcess);
        const bool tick = action == QLatin1String("second") || action == QLatin1String("half a minute")
                          || action == QLatin1String("clock jump");
        QVERIFY2(starts.size() == startsBefore || tick, qPrintable("player started" + what));
        for (qsizetype i = startsBefore; i < starts.size(); ++i) {
            const QStringList args = starts.at(i).arguments;
            const bool stop = args == StopArguments();
            const bool play = args.isEmpty()
                              || (args.size() == 1 && args.first().startsWith(h->staging() + "QDX."));
            QVERIFY2(stop || play, qPrintable(args.join('|') + what));
            QCOMPARE(starts.at(i).program, h->form->module().PlayerPath);
        }

        static const QStringList allowed = {"QDX.mp3", "QDX.m3u", "QDX.wav", "QDX.mod",
                                            "QDX.mid", "QDX.voc", "QDX.avi", "QDX.mpg"};
        const QStringList staged =
            QDir(h->staging()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &name : staged)
            QVERIFY2(allowed.contains(name), qPrintable(name + what));
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform cannot raise windows; thousands of such notes say nothing.
        static QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (!message.startsWith(QLatin1String("This plugin does not support")))
                    previous(type, context, message);
            });
    }

    void randomUserActions()
    {
        const quint32 seed = qEnvironmentVariableIsSet("DOZEWELL_SEED")
                                 ? qEnvironmentVariableIntValue("DOZEWELL_SEED")
                                 : QRandomGenerator::global()->generate();
        const int actions = qEnvironmentVariableIsSet("DOZEWELL_ACTIONS")
                                ? qEnvironmentVariableIntValue("DOZEWELL_ACTIONS")
                                : 25000;
        qInfo("abuse seed %u (replay with DOZEWELL_SEED=%u), %d actions", seed, seed, actions);
        m_random.seed(seed);
        newEpisode();
        int episodes = 1;
        for (int i = 0; i < actions; ++i) {
            const qsizetype startsBefore = h->platform.ofKind(Call::StartProcess).size();
            const QString action = act();
            if (h->platform.ended) {
                QCOMPARE(h->platform.calls.last().kind, Call::EndProgram);
                newEpisode();
                ++episodes;
                continue;
            }
            checkInvariants(action, startsBefore);
            if (QTest::currentTestFailed()) {
                qWarning("failed at action %d of seed %u", i, seed);
                return;
            }
        }
        qInfo("%d episodes", episodes);
    }
};

QTEST_MAIN(AbuseTest)
#include "tst_abuse.moc"
