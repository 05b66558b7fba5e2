#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/Texts.h"
#include "app/frmMain.h"
#include "timer/SleepTimer.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
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

// --help and --version, before any window; nothing when the program is to
// run, else the exit status. The program takes no other argument.
std::optional<int> HandleCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(dozewell::texts::kCommandLineDescription);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.errorText().isEmpty()
                                    ? dozewell::texts::kUnknownArgument.arg(parser.positionalArguments().constFirst())
                                    : parser.errorText();
        std::fputs(qPrintable(dozewell::texts::kCommandLineError.arg(problem)), stderr);
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("dozewell-timer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DOZEWELL_VERSION));
    if (const std::optional<int> status = HandleCommandLine(argc, argv))
        return *status;

    // The program keeps nothing between runs; that includes the history the
    // toolkit's Open dialog would otherwise save in the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    const std::unique_ptr<QApplication> app = ConnectToDisplay(argc, argv);
    QApplication::setQuitOnLastWindowClosed(true);
    QGuiApplication::setDesktopFileName(QStringLiteral(DOZEWELL_APP_ID));

    dozewell::QtPlatform platform;
    const dozewell::InstanceLock lock(platform.StagingFolder());
    if (!lock.acquired()) {
        std::fputs(qPrintable(dozewell::texts::kAlreadyRunning + QLatin1Char('\n')), stderr);
        platform.MsgBox(dozewell::texts::kAlreadyRunning, dozewell::MsgIcon::Critical, dozewell::kCaption);
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
