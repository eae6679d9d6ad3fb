#include "command_line.h"

#include <QCommandLineParser>

#include <array>
#include <cstdio>

namespace zarvel {

namespace {

// Qt's own command-line options, which QApplication takes from the
// arguments itself; accepted here so they never count as unknown.
const std::array QtOptionsWithValue = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowtitle", "qwindowicon", "display", "geometry", "style", "stylesheet", "session", "name", "title"};
const std::array QtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

const char *const HelpText = "Использование: zarvel [параметры]\n"
                             "Заврел — любовное гадание на 36 картах.\n"
                             "\n"
                             "Параметры:\n"
                             "  -h, --help     показать эту справку и выйти\n"
                             "  -v, --version  показать версию и выйти\n";

} // namespace

std::optional<int> HandleCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : QtOptionsWithValue)
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    for (const char *name : QtFlags)
        parser.addOption(QCommandLineOption(QLatin1String(name)));

    if (!parser.parse(arguments)) {
        const QString unknown = parser.unknownOptionNames().value(0);
        std::fprintf(stderr, "zarvel: %s\nСправка: zarvel --help\n",
            qPrintable(unknown.isEmpty() ? QStringLiteral("неверный параметр")
                                         : QStringLiteral("неизвестный параметр: %1").arg(unknown)));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "zarvel: лишний аргумент: %s\nСправка: zarvel --help\n",
            qPrintable(parser.positionalArguments().first()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(HelpText, stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("zarvel %s\n", ZARVEL_VERSION);
        return 0;
    }
    return std::nullopt;
}

} // namespace zarvel
