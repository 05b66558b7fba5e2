// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgramOptions.h"

#include "app/Texts.h"
#include "app/Translations.h"

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
const QString kHelpCommand = QStringLiteral("dozewell-timer --help");
const QString kCommandLineError = QStringLiteral("dozewell-timer: %1\n%2\n");

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

// The program's options and the toolkit's; they are described in the
// language of the application object that exists when they are added.
void AddOptions(QCommandLineParser &parser)
{
    // The toolkit's options are single-dash words: -platform is not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(texts::kCommandLineDescription());
    parser.addHelpOption();
    parser.addVersionOption();
    AddToolkitOptions(parser);
}
} // namespace

std::optional<int> HandleCommandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    {
        QCommandLineParser parser;
        AddOptions(parser);
        if (parser.parse(arguments) && parser.positionalArguments().isEmpty()
            && !parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version")))
            return std::nullopt;
    }
    // Something to say, in the user's language, which needs an application
    // object: one without a display, named as the program wherever it lies.
    QByteArray name = QCoreApplication::applicationName().toLocal8Bit();
    int nameOnly = 1;
    char *nameArgument[] = {name.data(), nullptr};
    QCoreApplication app(nameOnly, nameArgument);
    const Translations translations;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.errorText().isEmpty()
                                    ? texts::kUnknownArgument().arg(parser.positionalArguments().constFirst())
                                    : parser.errorText();
        std::fputs(qPrintable(kCommandLineError.arg(problem, texts::kTryHelp().arg(kHelpCommand))),
                   stderr);
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                qPrintable(QCoreApplication::applicationVersion()));
    return 0;
}

} // namespace dozewell
