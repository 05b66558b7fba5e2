// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform layer: a real stand-in player process, real modal
// boxes and the real Open dialog, and the places it keeps.
#include "platform/QtPlatform.h"
#include "platform/XfceSuspendSetting.h"
#include "player/CommandLine.h"
#include "player/Places.h"
#include "player/WinePaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>
#include <cstddef>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace dozewell;

namespace {
// Makes the kernel refuse pidfd_open, as an older kernel or a sandbox does.
bool RefusePidfdOpen()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_pidfd_open, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{std::size(filter), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
           && ::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_TSYNC, &program) == 0;
}

// Records its arguments, NUL-separated, beside itself, and its WINEPREFIX
// and what the program sets for its own window.
const QByteArray kStandIn = "#!/bin/sh\n"
                            "printf '%s|%s|%s' \"${WINEPREFIX-<unset>}\" \"${QT_QPA_PLATFORM-<unset>}\" "
                            "\"${XDG_ACTIVATION_TOKEN-<unset>}\" > \"$(dirname \"$0\")/prefix\"\n"
                            "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$(dirname \"$0\")/args.part\"\n"
                            "mv \"$(dirname \"$0\")/args.part\" \"$(dirname \"$0\")/args\"\n";

QString WriteStandIn(const QString &folder, const QString &name = QStringLiteral("winamp.exe"))
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the stand-in");
    file.write(kStandIn);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QStringList ArgumentsReceived(const QString &folder)
{
    QFile args(folder + QStringLiteral("/args"));
    if (!QTest::qWaitFor([&] { return args.exists(); }, 10000))
        return {QStringLiteral("<the stand-in never ran>")};
    args.open(QIODevice::ReadOnly);
    QStringList received;
    for (const QByteArray &arg : args.readAll().split('\0'))
        received << QString::fromUtf8(arg);
    received.removeLast(); // after the last NUL
    return received;
}

// Timer and socket events in a loop of `ms` of its own, as a report box runs
// while the watch that told it waits for its deferred deletion.
int WakeupsInNestedLoop(int ms)
{
    struct Counter : QObject {
        QObject *quit = nullptr;
        int wakeups = 0;
        bool eventFilter(QObject *receiver, QEvent *event) override
        {
            wakeups += receiver != quit && (event->type() == QEvent::Timer || event->type() == QEvent::SockAct);
            return false;
        }
    } counter;
    QEventLoop loop;
    QTimer quit;
    counter.quit = &quit;
    QObject::connect(&quit, &QTimer::timeout, &loop, &QEventLoop::quit);
    qApp->installEventFilter(&counter);
    quit.start(ms);
    loop.exec();
    return counter.wakeups;
}

// Answers every modal window that opens while it exists, again and again
// until the window closes: a dialog may ignore an answer that comes before
// it has finished opening.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget *)> answer)
    {
        QObject::connect(&m_poll, &QTimer::timeout, [answer] {
            if (QWidget *modal = QApplication::activeModalWidget())
                answer(modal);
        });
        m_poll.start(50);
    }

private:
    QTimer m_poll;
};
} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // Starts a program and forgets how it fares.
    bool start(QtPlatform &platform, const QString &program, const QStringList &arguments,
               const QStringList &environment = {})
    {
        return platform.StartProcess(program, arguments, environment, kPlayerSettleMs, this,
                                     [](const ProcessOutcome &) {});
    }

private slots:
    void initTestCase()
    {
        // Run once more so: the watch without the kernel's word on the end.
        if (qEnvironmentVariableIsSet("DOZEWELL_REFUSE_PIDFD"))
            QVERIFY(RefusePidfdOpen());
    }

    void playerReceivesItsArgumentsByteForByte_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("arguments");
        const QString hostile = QStringLiteral("My Player; rm -rf $(echo x) 'q' \"d\"");
        QTest::newRow("stop form") << hostile << StopArguments();
        QTest::newRow("play form, hostile media path")
            << hostile + "/play" << PlayArguments(QStringLiteral("/tmp/-n My $(Song); 'ü' \"x\".mp3"));
        QTest::newRow("leading dash, non-ASCII") << QStringLiteral("-Ärger ñ") << PlayArguments("QDX.mp3");
    }
    void playerReceivesItsArgumentsByteForByte()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, arguments);
        const QString where = m_dir.filePath(folder);
        const QString player = WriteStandIn(where);
        QtPlatform platform;
        QVERIFY(start(platform, player, arguments));
        QCOMPARE(ArgumentsReceived(where), arguments);
    }

    // A Windows player is started through the "wine" first in PATH, in the
    // prefix that holds it, with the staged file as a Windows path.
    void windowsPlayerStartsThroughWine_data()
    {
        QTest::addColumn<bool>("play");
        QTest::newRow("stop form") << false;
        QTest::newRow("play form") << true;
    }
    void windowsPlayerStartsThroughWine()
    {
        QFETCH(bool, play);
        const QString prefix = m_dir.filePath(QStringLiteral("wine prefix"));
        QDir().mkpath(prefix + "/dosdevices");
        QFile::link(QStringLiteral("../drive_c"), prefix + "/dosdevices/c:");
        QFile::link(QStringLiteral("/"), prefix + "/dosdevices/z:");
        const QString folder = prefix + "/drive_c/My Player; $(x)";
        QDir().mkpath(folder);
        const QString player = folder + "/winamp.exe";
        QFile exe(player);
        QVERIFY(exe.open(QIODevice::WriteOnly) && exe.write("MZ-stub") == 7);
        exe.close();
        const QString bin = m_dir.filePath(QStringLiteral("bin ") + (play ? "play" : "stop"));
        const QString wine = WriteStandIn(bin, QStringLiteral("wine"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        QtPlatform platform;
        const WineSetup setup = InstalledWine(platform.Environment(), platform.HomeFolder());
        qputenv("PATH", path);
        QCOMPARE(setup.launcher, wine);

        const QString staged = m_dir.filePath(QStringLiteral("cache/QDX.mp3"));
        const auto plan = play ? PlanPlayStart(player, staged, setup) : PlanStopStart(player, setup);
        const PlayerStart planned = std::get<PlayerStart>(plan);
        // The platform the program chose for its window and its activation token are not the player's.
        const QString userPlatform = qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("<unset>"));
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        qputenv("XDG_ACTIVATION_TOKEN", "token");
        QVERIFY(start(platform, planned.program, planned.arguments, planned.environment));
        qunsetenv("XDG_ACTIVATION_TOKEN");
        qunsetenv("QT_QPA_PLATFORM");
        if (userPlatform != QLatin1String("<unset>"))
            qputenv("QT_QPA_PLATFORM", userPlatform.toLocal8Bit());
        const QStringList expected =
            QStringList{player} + (play ? QStringList{"Z:" + QString(staged).replace('/', '\\')} : StopArguments());
        QCOMPARE(ArgumentsReceived(bin), expected);
        QFile received(bin + "/prefix");
        QVERIFY(received.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(received.readAll()), prefix + '|' + userPlatform + "|<unset>");
    }

    void relativePlayerPathIsNeverSearchedInPath()
    {
        const QString where = m_dir.filePath(QStringLiteral("relative"));
        WriteStandIn(where);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(where);
        QtPlatform platform;
        const bool started = start(platform, QStringLiteral("winamp.exe"), StopArguments());
        QDir::setCurrent(previous);
        QVERIFY(started);
        QCOMPARE(ArgumentsReceived(where), StopArguments());
    }

    void playerThatIsGoneCannotStart()
    {
        QtPlatform platform;
        QVERIFY(!start(platform, m_dir.filePath(QStringLiteral("removed/winamp.exe")), StopArguments()));
    }

    // The watch of a started program tells, without blocking and once,
    // whether it ended within the settle time and how, and reaps it when it
    // ends, also after the settle time. The player runs on when the program
    // ends, also during the settle time; the watch then tells nobody.
    void watchTellsHowTheProgramFared_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("programEnds"); // during the settle time
        QTest::newRow("handed over") << QByteArray("exit 0") << "exited 0" << false;
        QTest::newRow("failed") << QByteArray("exit 3") << "exited 3" << false;
        QTest::newRow("crashed") << QByteArray("kill -SEGV $$") << "signal Segmentation fault" << false;
        QTest::newRow("still running") << QByteArray("exec sleep 1.5") << "running" << false;
        QTest::newRow("outlives the program") << QByteArray("sleep 1; touch \"$0.played\"") << "running" << true;
    }
    void watchTellsHowTheProgramFared()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, expected);
        QFETCH(bool, programEnds);
        const QString program = m_dir.filePath(QStringLiteral("fare-") + QTest::currentDataTag());
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\necho $$ > \"$0.pid\"\n" + script + '\n') > 0);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        QStringList told;
        int wakeups = 0;
        auto window = std::make_unique<QObject>();
        auto platform = std::make_unique<QtPlatform>();
        QVERIFY(platform->StartProcess(program, {}, {}, 500, window.get(), [&](const ProcessOutcome &outcome) {
            using enum ProcessOutcome::Ending;
            told << (outcome.ending == StillRunning ? QStringLiteral("running")
                     : outcome.ending == Exited     ? QStringLiteral("exited %1").arg(outcome.exitStatus)
                                                    : QStringLiteral("signal ") + outcome.signalName);
            wakeups = WakeupsInNestedLoop(300);
        }));
        QVERIFY(told.isEmpty());
        if (programEnds) {
            platform.reset();
            window.reset();
            QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(program + ".played"); }, 10000));
            QVERIFY(told.isEmpty());
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(told.size(), 1, 5000);
        QCOMPARE(told.first(), expected);
        QFile pid(program + ".pid");
        QVERIFY(pid.open(QIODevice::ReadOnly));
        const QString process = QStringLiteral("/proc/") + QString::fromLatin1(pid.readAll().trimmed());
        QTRY_VERIFY2_WITH_TIMEOUT(!QFileInfo::exists(process), "not reaped", 5000);
        QCOMPARE(told.size(), 1);
        QVERIFY2(wakeups <= 2, qPrintable(QStringLiteral("woken %1 times while told").arg(wakeups)));
    }

    // The record of Xfce's settings outlives a restart: in the state folder,
    // not the runtime folder; a relative XDG_STATE_HOME is none.
    void xfceRecordIsInTheStateFolder_data()
    {
        QTest::addColumn<QByteArray>("stateHome");
        QTest::addColumn<QString>("folder");
        QTest::newRow("XDG_STATE_HOME") << QByteArray("/srv/state") << QStringLiteral("/srv/state");
        QTest::newRow("relative") << QByteArray("state") << QDir::homePath() + QStringLiteral("/.local/state");
    }
    void xfceRecordIsInTheStateFolder()
    {
        QFETCH(QByteArray, stateHome);
        QFETCH(QString, folder);
        qputenv("XDG_STATE_HOME", stateHome);
        QCOMPARE(XfceSuspendSetting::RecordPath(), folder + QStringLiteral("/tst_qtplatform/xfce4-power-manager"));
    }

    // A program run briefly, such as Wine's check: how it ended and what it
    // said on its standard error, told once from the event loop, which runs
    // on meanwhile; one still running when its time is up is told so then,
    // and killed; one that cannot be started is told so.
    void briefRunTellsWithoutBlocking_data()
    {
        QTest::addColumn<QByteArray>("script"); // empty: no program there
        QTest::addColumn<QString>("expected");
        QTest::newRow("answers") << QByteArray("sleep 0.3; echo 'wine: no' >&2; exit 3") << "exited 3: wine: no";
        QTest::newRow("too slow") << QByteArray("exec sleep 20") << "running: ";
        QTest::newRow("no program") << QByteArray() << "not started";
    }
    void briefRunTellsWithoutBlocking()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, expected);
        const QString program = m_dir.filePath(QStringLiteral("brief-") + QTest::currentDataTag());
        QFile file(program);
        const QByteArray text = "#!/bin/sh\necho $$ > \"$0.pid\"\n" + script;
        if (!script.isEmpty() && (!file.open(QIODevice::WriteOnly) || file.write(text) < 0
                                  || !file.setPermissions(QFile::ReadOwner | QFile::ExeOwner)))
            QFAIL("cannot write the program");
        file.close();
        QStringList told;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        QElapsedTimer clock;
        clock.start();
        QtPlatform platform;
        platform.RunBriefly(program, {}, {}, 1000, this, [&](const BriefRun &run) {
            const bool running = run.outcome.ending == ProcessOutcome::Ending::StillRunning;
            const QString said = run.errorOutput.trimmed();
            told << (!run.started ? QStringLiteral("not started")
                     : running    ? QStringLiteral("running: ") + said
                                  : QStringLiteral("exited %1: ").arg(run.outcome.exitStatus) + said);
        });
        QVERIFY(told.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(told.size(), 1, 10000);
        QCOMPARE(told.first(), expected);
        QVERIFY2(clock.elapsed() < 5000, "told long after its time was up"); // 1 s, with a wide margin
        QVERIFY2(script.isEmpty() || ticks >= 5, qPrintable(QStringLiteral("the loop ticked %1 times").arg(ticks)));
        QFile pid(program + ".pid");
        const QString process = pid.open(QIODevice::ReadOnly) ? "/proc/" + pid.readAll().trimmed() : QString();
        QTRY_VERIFY2_WITH_TIMEOUT(process.isEmpty() || !QFileInfo::exists(process), "not ended", 5000);
    }

    void messageBoxShowsTitleIconAndText()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        ModalAnswerer answerer([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            title = box->windowTitle(), text = box->text(), icon = box->icon();
            QCOMPARE(box->standardButtons(), QMessageBox::Ok);
            box->accept();
        });
        QtPlatform().MsgBox(QStringLiteral("No File Was Selected Yet !"), MsgIcon::Critical, QStringLiteral("ERROR"));
        QCOMPARE(title, QStringLiteral("ERROR"));
        QCOMPARE(text, QStringLiteral("No File Was Selected Yet !"));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void openDialogReturnsTheChoiceOrNothing()
    {
        const QString chosen = m_dir.filePath(QStringLiteral("pick/Song.mp3"));
        QDir().mkpath(QFileInfo(chosen).path());
        QFile(chosen).open(QIODevice::WriteOnly);
        QString title;
        QStringList filters;
        auto chooser = std::make_unique<ModalAnswerer>([&](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            // Typed into the name box, as a user would; selectFile() can lose a
            // race with the folder still loading.
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(chosen);
            else
                dialog->selectFile(chosen);
            static_cast<QDialog *>(dialog)->accept();
        });
        QtPlatform platform;
        QCOMPARE(platform.ShowOpen(QStringLiteral("Winamp Path"), QStringLiteral("Media|*.mp3;*.wav"), QString()),
                 std::optional<QString>(chosen));
        QCOMPARE(title, QStringLiteral("Winamp Path"));
        QCOMPARE(filters, QStringList{QStringLiteral("Media (*.mp3 *.wav)")});

        chooser.reset();
        ModalAnswerer canceller([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
        QCOMPARE(platform.ShowOpen(QStringLiteral("Winamp Path"), QStringLiteral("Executable Files|*.exe"), chosen),
                 std::optional<QString>());
    }
};

QTEST_MAIN(QtPlatformTest)
#include "tst_qtplatform.moc"
