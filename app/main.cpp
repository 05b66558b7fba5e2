// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BuildInfo.h"
#include "app/Colours.h"
#include "app/CursorBlink.h"
#include "app/InstanceLock.h"
#include "app/ProgramOptions.h"
#include "app/SessionInstance.h"
#include "app/Startup.h"
#include "app/Texts.h"
#include "app/Translations.h"
#include "app/frmMain.h"
#include "player/Places.h"
#include "platform/EndOnSignals.h"
#include "platform/QtPlatform.h"
#include "timer/SleepTimer.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Where the no-display message sends the user.
const QString kDisplayVariableNames[] = {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                         QStringLiteral("QT_QPA_PLATFORM")};
const QString kUnderVirtualServer = QStringLiteral("xvfb-run -a dozewell-timer");
const QString kNoDisplayCause = QStringLiteral("(%1)\n");

// What the toolkit says while it connects to the display. When it cannot,
// it ends the process with its own advice ("Reinstalling the application
// may fix this problem"); the program's own message replaces all of it.
QStringList *g_displayMessages = nullptr;

void WhileConnecting(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        namespace texts = dozewell::texts;
        const QString variables = dozewell::TranslatedEarly(texts::kDisplayVariables)
                                      .arg(kDisplayVariableNames[0], kDisplayVariableNames[1], kDisplayVariableNames[2]);
        std::fputs(qPrintable(dozewell::TranslatedEarly(texts::kNoDisplay)
                                  .arg(QCoreApplication::applicationName(), variables, kUnderVirtualServer)),
                   stderr);
        // The toolkit's first word on it names the display it tried.
        if (!g_displayMessages->isEmpty())
            std::fputs(qPrintable(kNoDisplayCause.arg(g_displayMessages->constFirst())), stderr);
        std::_Exit(EXIT_FAILURE);
    }
    g_displayMessages->append(message);
}

// The application object, or the no-display message and exit status 1.
std::unique_ptr<QApplication> ConnectToDisplay(int &argc, char **argv)
{
    QStringList messages;
    g_displayMessages = &messages;
    const QtMessageHandler previous = qInstallMessageHandler(WhileConnecting);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    g_displayMessages = nullptr;
    for (const QString &message : messages)
        qWarning().noquote() << message;
    return app;
}

// On GNOME's Wayland session Qt draws the window's frame itself, in a style
// of its own and with a maximize button that a window of a fixed size cannot
// honour; through Xwayland the shell draws its own frame, as for any other
// program. A platform the user names (QT_QPA_PLATFORM, -platform) wins.
void PreferShellFrameOnGnome(int argc, char **argv)
{
    const auto named = [&] {
        for (int i = 1; i < argc; ++i)
            if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
                return true;
        return qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    };
    const bool gnomeOnWayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland")
                                && qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':')).contains(
                                    QLatin1String("GNOME"), Qt::CaseInsensitive);
    if (gnomeOnWayland && qEnvironmentVariableIsSet("DISPLAY") && !named())
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

// Says why the program cannot run, on its standard error and in a box.
int Refuse(dozewell::Platform &platform, const QString &why)
{
    std::fputs(qPrintable(why + QLatin1Char('\n')), stderr);
    platform.MsgBox(why, dozewell::MsgIcon::Critical, dozewell::kCaption);
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("dozewell-timer"));
    QCoreApplication::setApplicationVersion(QLatin1String(dozewell::kVersion));
    if (const std::optional<int> status = dozewell::HandleCommandLine(argc, argv))
        return *status;

    // The program keeps nothing between runs; that includes the history the
    // toolkit's Open dialog would otherwise save in the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    const QVariantMap launch = dozewell::SessionInstance::LaunchData();
    PreferShellFrameOnGnome(argc, argv);
    const std::unique_ptr<QApplication> app = ConnectToDisplay(argc, argv);
    QGuiApplication::setDesktopFileName(QLatin1String(dozewell::kAppId));
    const dozewell::Translations translations;
    const dozewell::CursorBlink cursorBlink;

    // A second start in this session brings the first one's window forward.
    if (dozewell::SessionInstance::AskRunningToShow(launch))
        return EXIT_SUCCESS;
    dozewell::SessionInstance session;
    session.Register();

    // The lock outlives the platform, whose end still gives back what the
    // run held: another instance starts only after that.
    std::optional<dozewell::InstanceLock> lock;
    dozewell::QtPlatform platform;
    // From here on a signal ends the program as Exit does, through the
    // destructors.
    dozewell::EndOnSignals();
    // The desktop's colour preference comes when the desktop says it, and
    // again whenever the user changes it.
    platform.WatchColourScheme(app.get(), &dozewell::FollowColourScheme);
    lock.emplace(
        dozewell::RuntimeFolder(platform.Environment().value(QStringLiteral("XDG_RUNTIME_DIR"))),
        dozewell::StagingFolder(platform.Environment(), platform.HomeFolder(), QCoreApplication::applicationName()));
    switch (lock->state()) {
    case dozewell::InstanceLock::State::Taken:
        break;
    case dozewell::InstanceLock::State::HeldByAnother:
        return Refuse(platform, dozewell::texts::kAlreadyRunning());
    case dozewell::InstanceLock::State::Failed:
        return Refuse(platform, dozewell::texts::kLockFailed().arg(lock->path(), lock->problem()));
    }
    // Now the only instance: what a run that died left keeping the computer
    // awake is let go.
    platform.LetSleep();
    dozewell::frmMain form(platform);
    session.setWindow(&form);
    if (!dozewell::StartUp(form))
        return EXIT_SUCCESS;
    dozewell::SessionInstance::EndStartup(launch, &form);
#ifdef __GLIBC__
    // The start-up dialog is gone; hand the memory it used back to the system.
    malloc_trim(0);
#endif
    return app->exec();
}
