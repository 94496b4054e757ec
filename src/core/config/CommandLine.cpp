#include "core/config/CommandLine.h"

#include "MarqueonVersion.h"

namespace config {
namespace {

// The options QGuiApplication and QApplication take themselves, with and without a value.
const QStringList QtValueOptions = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
};
const QStringList QtFlagOptions = {QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                   QStringLiteral("dograb"), QStringLiteral("sync")};

CommandLine failure(const QString& problem) {
    return {CommandLine::Request::Error,
            QStringLiteral("marqueon: %1\nTry 'marqueon --help' for more information.").arg(problem)};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help"))
            return {CommandLine::Request::Help, {}};
        if (argument == QStringLiteral("-v") || argument == QStringLiteral("--version"))
            return {CommandLine::Request::Version, {}};
        if (!argument.startsWith(u'-') || argument.size() == 1)
            return failure(QStringLiteral("unexpected argument '%1'").arg(argument));
        // Qt spells its options with one dash or two, and a value after a blank or an equals sign.
        const QString option = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        const QString name = option.section(u'=', 0, 0);
        if (QtValueOptions.contains(name)) {
            if (!option.contains(u'='))
                ++i;
        } else if (!QtFlagOptions.contains(option)) {
            return failure(QStringLiteral("unknown option '%1'").arg(argument));
        }
    }
    return {};
}

QString helpText(const QString& appPath, const QString& userGuide) {
    return QStringLiteral("Usage: marqueon [option]\n"
                          "Marqueon lists the games your MAME knows, shows which of them are installed,\n"
                          "keeps your settings for each game and starts it.\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "\n"
                          "Settings and reports are kept in (MARQUEON_HOME names another folder):\n"
                          "  %1\n"
                          "The user guide (Help, Marqueon Help File):\n"
                          "  %2\n")
        .arg(appPath, userGuide);
}

QString versionText() {
    return QStringLiteral("Marqueon %1.%2.%3\n")
        .arg(MARQUEON_VERSION_MAJOR)
        .arg(MARQUEON_VERSION_MINOR)
        .arg(MARQUEON_VERSION_PATCH);
}

} // namespace config
