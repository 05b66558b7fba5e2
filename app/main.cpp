#include "app/Startup.h"
#include "app/frmMain.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <cstdio>

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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dozewell-timer"));
    QApplication::setQuitOnLastWindowClosed(true);

    dozewell::QtPlatform platform;
    dozewell::frmMain form(platform);
    if (!dozewell::StartUp(form, platform))
        return 0;
    return app.exec();
}
