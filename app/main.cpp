#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// What the toolkit says while it connects to the display. When it cannot,
// it ends the process with its own advice ("Reinstalling the application
// may fix this problem"); the program's own message replaces all of it.
QStringList *g_displayMessages = nullptr;

void WhileConnecting(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(dozewell::texts::kNoDisplay), stderr);
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

} // namespace

int main(int argc, char *argv[])
{
    // The program keeps nothing between runs; that includes the history the
    // toolkit's Open dialog would otherwise save in the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    const std::unique_ptr<QApplication> app = ConnectToDisplay(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dozewell-timer"));
    QApplication::setApplicationVersion(QStringLiteral(DOZEWELL_VERSION));
    QApplication::setQuitOnLastWindowClosed(true);

    dozewell::QtPlatform platform;
    const dozewell::InstanceLock lock(platform.StagingFolder());
    if (!lock.acquired()) {
        std::fputs(qPrintable(dozewell::texts::kAlreadyRunning + QLatin1Char('\n')), stderr);
        platform.MsgBox(dozewell::texts::kAlreadyRunning, dozewell::MsgIcon::Critical, dozewell::texts::kCaption);
        return EXIT_FAILURE;
    }
    dozewell::frmMain form(platform);
    if (!dozewell::StartUp(form))
        return EXIT_SUCCESS;
#ifdef __GLIBC__
    // The start-up dialog is gone; hand the memory it used back to the system.
    malloc_trim(0);
#endif
    return app->exec();
}
