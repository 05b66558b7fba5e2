#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Without a display the toolkit would only fail with a cryptic message.
bool DisplayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!DisplayAvailable()) {
        std::fputs("dozewell-timer: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "It is a desktop program: start it from a desktop session, or under a virtual\n"
                   "X server with:  xvfb-run -a ./build/dozewell-timer\n",
                   stderr);
        return 1;
    }

    // The program keeps nothing between runs; that includes the history the
    // toolkit's Open dialog would otherwise save in the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dozewell-timer"));
    QApplication::setApplicationVersion(QStringLiteral(DOZEWELL_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);

    dozewell::QtPlatform platform;
    dozewell::frmMain form(platform);
    if (!dozewell::StartUp(form))
        return 0;
#ifdef __GLIBC__
    // The start-up dialog is gone; hand the memory it used back to the system.
    malloc_trim(0);
#endif
    return app.exec();
}
