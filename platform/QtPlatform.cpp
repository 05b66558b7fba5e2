// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include "platform/ColourScheme.h"
#include "platform/ScreenSaverWatch.h"
#include "platform/SuspendInhibitor.h"
#include "platform/XfceSuspendSetting.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace dozewell {

namespace {
// Null-terminated pointers to the strings, as exec wants them.
std::vector<char *> CStrings(QList<QByteArray> &strings)
{
    std::vector<char *> pointers;
    for (QByteArray &string : strings)
        pointers.push_back(string.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The platform the user chose for the toolkit, read before main() runs:
// the program may choose one for itself.
const std::optional<QByteArray> g_userPlatform =
    qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? std::optional(qgetenv("QT_QPA_PLATFORM")) : std::nullopt;

// The user's environment, without what the program set in its own for itself
// (the platform it chose, an activation token a second start handed on) and
// what a launcher gave for this program's own window.
QProcessEnvironment UserEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *own : {"QT_QPA_PLATFORM", "XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"})
        environment.remove(QLatin1String(own));
    if (g_userPlatform)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLocal8Bit(*g_userPlatform));
    return environment;
}

// The user's environment with the "NAME=value" entries added.
QProcessEnvironment WithEntries(const QStringList &entries)
{
    QProcessEnvironment environment = UserEnvironment();
    for (const QString &entry : entries)
        environment.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    return environment;
}

// Starts a program as a child of its own session, as a player started from
// a desktop would run: it keeps running whatever becomes of this program,
// reads nothing from this program's input, and inherits no other of its files.
std::optional<pid_t> Spawn(const QByteArray &path, QList<QByteArray> &argv, QList<QByteArray> &envp)
{
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int failed = posix_spawn(&pid, path.constData(), &files, &attributes, CStrings(argv).data(),
                                   CStrings(envp).data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (failed)
        return std::nullopt;
    return pid;
}

// Watches a started program: tells how it fared when it ends within the
// settle time, or when that time is over, and reaps it whenever it ends, so
// that no ended player lingers in the process table.
class ProcessWatch : public QObject {
public:
    ProcessWatch(pid_t pid, int settleMs, QObject *context, ProcessSettled settled, QObject *parent)
        : QObject(parent), m_pid(pid), m_context(context), m_settled(std::move(settled))
    {
        // The kernel says when the process ends (Linux 5.3 and later). Where
        // it refuses (an older kernel, a sandbox), the watch asks it, often
        // while the player settles and now and then afterwards.
        m_pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
        if (m_pidfd >= 0) {
            m_ending = new QSocketNotifier(m_pidfd, QSocketNotifier::Read, this);
            connect(m_ending, &QSocketNotifier::activated, this, &ProcessWatch::Check);
        } else {
            connect(&m_poll, &QTimer::timeout, this, &ProcessWatch::Check);
            m_poll.start(kPollWhileSettlingMs);
        }
        m_settle.setSingleShot(true);
        connect(&m_settle, &QTimer::timeout, this, [this] {
            Check();
            Report({});
            if (m_poll.isActive())
                m_poll.start(kPollAfterwardsMs);
        });
        m_settle.start(settleMs);
    }
    ~ProcessWatch() override { Disarm(); }

private:
    void Check()
    {
        int status = 0;
        const pid_t ended = ::waitpid(m_pid, &status, WNOHANG);
        if (ended == 0)
            return;
        if (ended == m_pid && WIFSIGNALED(status)) {
            const int signal = WTERMSIG(status);
            Report({ProcessOutcome::Ending::Signalled, signal, QString::fromLocal8Bit(::strsignal(signal))});
        } else if (ended == m_pid) {
            Report({ProcessOutcome::Ending::Exited, WEXITSTATUS(status), {}});
        } else {
            Report({});
        }
        // The deletion waits for the event loop it was asked in, which a
        // report box opened meanwhile holds back all night: nothing of the
        // watch may wake the program until then.
        Disarm();
        deleteLater();
    }

    void Disarm()
    {
        if (m_ending)
            m_ending->setEnabled(false);
        if (m_pidfd >= 0)
            ::close(std::exchange(m_pidfd, -1));
        m_poll.stop();
        m_settle.stop();
    }

    void Report(const ProcessOutcome &outcome)
    {
        // Told from the event loop, not from within the watch: the one told
        // may open a modal box.
        if (ProcessSettled settled = std::exchange(m_settled, nullptr); settled && m_context)
            QMetaObject::invokeMethod(
                m_context, [settled, outcome] { settled(outcome); }, Qt::QueuedConnection);
    }

    static constexpr int kPollWhileSettlingMs = 20;
    static constexpr int kPollAfterwardsMs = 1000;

    pid_t m_pid;
    int m_pidfd = -1;
    QSocketNotifier *m_ending = nullptr;
    QTimer m_poll;
    QTimer m_settle;
    QPointer<QObject> m_context;
    ProcessSettled m_settled;
};
} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::MsgBox(const QString &prompt, MsgIcon icon, const QString &title)
{
    QMessageBox box(icon == MsgIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    prompt, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QString QtPlatform::QtFilter(const QString &filter)
{
    QStringList entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';')).join(QLatin1Char(' '));
        entries << parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtPlatform::ShowOpen(const QString &title, const QString &filter,
                                            const QString &fileName)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QtFilter(filter));
    if (!fileName.isEmpty()) {
        const QFileInfo initial(fileName);
        if (initial.dir().exists())
            dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtPlatform::StartProcess(const QString &program, const QStringList &arguments, const QStringList &environment,
                              int settleMs, QObject *context, ProcessSettled settled)
{
    // A relative path names a file in the current folder, as FileExists
    // tested it; never let it become a search of PATH.
    const QByteArray path = QFile::encodeName(QFileInfo(program).absoluteFilePath());
    QList<QByteArray> argv{path};
    for (const QString &argument : arguments)
        argv << argument.toLocal8Bit();
    QList<QByteArray> envp;
    for (const QString &entry : WithEntries(environment).toStringList())
        envp << entry.toLocal8Bit();

    const std::optional<pid_t> pid = Spawn(path, argv, envp);
    if (!pid)
        return false;
    new ProcessWatch(*pid, settleMs, context, std::move(settled), &m_watches);
    return true;
}

void QtPlatform::RunBriefly(const QString &program, const QStringList &arguments, const QStringList &environment,
                            int timeOutMs, QObject *context, BriefRunDone done)
{
    auto *process = new QProcess(&m_watches);
    process->setProgram(QFileInfo(program).absoluteFilePath());
    process->setArguments(arguments);
    process->setProcessEnvironment(WithEntries(environment));
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    auto *limit = new QTimer(process);
    limit->setSingleShot(true);
    // Told once, from the event loop: the one told may open a modal box.
    const auto tell = [told = std::make_shared<bool>(false), limit, context = QPointer<QObject>(context),
                       done = std::move(done)](const BriefRun &run) {
        if (std::exchange(*told, true))
            return;
        limit->stop();
        if (context)
            QMetaObject::invokeMethod(
                context, [done, run] { done(run); }, Qt::QueuedConnection);
    };
    QObject::connect(limit, &QTimer::timeout, process, [tell, process] {
        tell({}); // still running
        process->kill(); // its end, which follows, deletes it
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [tell, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        tell({false, {}, process->errorString()});
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [tell, process](int status, QProcess::ExitStatus ending) {
        const QString said = QString::fromLocal8Bit(process->readAllStandardError());
        if (ending == QProcess::CrashExit)
            tell({true, {ProcessOutcome::Ending::Signalled, 0, process->errorString()}, said});
        else
            tell({true, {ProcessOutcome::Ending::Exited, status, {}}, said});
        process->deleteLater();
    });
    limit->start(timeOutMs);
    process->start();
}

QDateTime QtPlatform::Now() const
{
    return QDateTime::currentDateTime();
}

qint64 QtPlatform::SinceBootMs() const
{
    // Not QElapsedTimer's clock, nor steady_clock's: both stand still while
    // the computer sleeps, and a run must end on time across a suspend.
    timespec now{};
    ::clock_gettime(CLOCK_BOOTTIME, &now);
    return qint64{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

void QtPlatform::KeepAwake(const QString &reason, QWidget *window)
{
    if (!m_inhibitor)
        m_inhibitor = std::make_unique<SuspendInhibitor>(QDBusConnection::sessionBus());
    // Only X11 gives the desktop a number for the window.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    m_inhibitor->hold(reason, x11 && window ? uint(window->window()->winId()) : 0);
}

void QtPlatform::LetSleep()
{
    // A run that died may have left the desktop's setting changed: made
    // now, the inhibitor gives it back.
    if (!m_inhibitor && QFile::exists(XfceSuspendSetting::RecordPath()))
        m_inhibitor = std::make_unique<SuspendInhibitor>(QDBusConnection::sessionBus());
    if (m_inhibitor)
        m_inhibitor->release();
}

void QtPlatform::WatchScreenSaver(QObject *context, std::function<void(bool active)> changed)
{
    if (!m_screenSaver)
        m_screenSaver = std::make_unique<ScreenSaverWatch>(QDBusConnection::sessionBus());
    QObject::connect(m_screenSaver.get(), &ScreenSaverWatch::activeChanged, context, std::move(changed));
}

void QtPlatform::WatchColourScheme(QObject *context, std::function<void(ColourScheme scheme)> changed)
{
    if (!m_colourScheme)
        m_colourScheme = std::make_unique<ColourSchemeWatch>(QDBusConnection::sessionBus());
    QObject::connect(m_colourScheme.get(), &ColourSchemeWatch::changed, context, std::move(changed));
}

void QtPlatform::EndProgram()
{
    QCoreApplication::exit(EXIT_SUCCESS);
}

QProcessEnvironment QtPlatform::Environment() const
{
    return UserEnvironment();
}

QString QtPlatform::HomeFolder() const
{
    return QDir::homePath();
}

} // namespace dozewell
