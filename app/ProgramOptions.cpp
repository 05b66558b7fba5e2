// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramOptions.h"

#include "app/Texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace dozewell {

namespace {
// The options every Qt program takes, which the toolkit reads when it
// starts: with a value, and without.
const char *const kToolkitOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle",
    "qwindowicon", "geometry", "title", "icon", "session", "style", "stylesheet", "qmljsdebugger",
    "display", "name", "visual",
};
const char *const kToolkitFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};

void AddToolkitOptions(QCommandLineParser &parser)
{
    for (const char *name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}
} // namespace

std::optional<int> HandleCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    // The toolkit's options are single-dash words: -platform is not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(texts::kCommandLineDescription);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    AddToolkitOptions(parser);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.errorText().isEmpty()
                                    ? texts::kUnknownArgument.arg(parser.positionalArguments().constFirst())
                                    : parser.errorText();
        std::fputs(qPrintable(texts::kCommandLineError.arg(problem)), stderr);
        return 2;
    }
    if (parser.isSet(help)) {
        // There is no application object yet to name the program.
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QCoreApplication::applicationName())),
                   stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace dozewell
