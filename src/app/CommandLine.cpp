#include "CommandLine.h"

#include "Constants.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace app {

namespace {

// Options QGuiApplication and QApplication read themselves; accepted here so
// that they reach Qt, and kept out of the help text.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"reverse", false},        {"widgetcount", false},
};

QString programName(const QStringList& arguments) {
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("quillary") : name;
}

void addQtOptions(QCommandLineParser& parser) {
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name));
        if (qt.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// Qt's help text under the program's own name: Qt takes the name from the
// application object, which does not exist yet.
QString helpText(const QCommandLineParser& parser, const QString& name) {
    QString text = parser.helpText();
    text.replace(
        0, text.indexOf(QLatin1Char('\n')),
        QCoreApplication::translate("app::CommandLine", "Usage: %1 [options] [file]").arg(name));
    return text;
}

CommandLineRequest refuse(const QString& name, const QString& reason) {
    CommandLineRequest request;
    request.run = false;
    request.exitCode = kUsageExitCode;
    request.error = QCoreApplication::translate("app::CommandLine",
                                                "%1: %2\nTry '%1 --help' for more information.\n")
                        .arg(name, reason);
    return request;
}

} // namespace

CommandLineRequest readCommandLine(const QStringList& arguments) {
    const QString name = programName(arguments);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate(
            "app::CommandLine",
            "%1 turns the details of one meeting into a formatted agenda document.\n"
            "Qt's own options (-platform, -style, -display, ...) are accepted too.")
            .arg(kProductName));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("app::CommandLine", "Show this help and exit."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("app::CommandLine", "Show the program's version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);
    parser.addPositionalArgument(
        QCoreApplication::translate("app::CommandLine", "file"),
        QCoreApplication::translate(
            "app::CommandLine",
            "A meeting file (.quillary) or a calendar invitation (.ics) to open."));

    if (!parser.parse(arguments))
        return refuse(name, parser.errorText());
    CommandLineRequest request;
    if (parser.isSet(help)) {
        request.run = false;
        request.output = helpText(parser, name);
    } else if (parser.isSet(version)) {
        request.run = false;
        request.output =
            kProductName + QLatin1Char(' ') + QStringLiteral(QUILLARY_VERSION) + QLatin1Char('\n');
    } else if (parser.positionalArguments().size() > 1) {
        return refuse(name,
                      QCoreApplication::translate("app::CommandLine", "Unexpected argument '%1'.")
                          .arg(parser.positionalArguments()[1]));
    } else if (!parser.positionalArguments().isEmpty()) {
        request.file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    }
    return request;
}

std::optional<int> commandLineExitCode(int argc, char* argv[], QString& file) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLineRequest request = readCommandLine(arguments);
    if (!request.run) {
        // What is printed is in the user's language: Qt's translations need
        // an application object, and the window's does not exist yet (it
        // needs a display, which --help does not).
        int count = argc;
        const QCoreApplication application(count, argv);
        const Translations translations(QLocale::system());
        request = readCommandLine(arguments);
    }
    std::fputs(request.output.toLocal8Bit().constData(), stdout);
    std::fputs(request.error.toLocal8Bit().constData(), stderr);
    file = request.file;
    if (request.run)
        return std::nullopt;
    return request.exitCode;
}

} // namespace app
