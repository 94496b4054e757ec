#include "core/exec/EmulatorConfig.h"

#include "core/exec/CommandRunner.h"
#include "core/io/MameIniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace exec {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

EmulatorConfig EmulatorConfig::parse(QByteArrayView showConfigOutput, const QString& home,
                                     const QString& workingDirectory) {
    EmulatorConfig config;
    config.m_home = home;
    config.m_workingDirectory = workingDirectory;
    for (const QByteArray& raw : showConfigOutput.toByteArray().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        qsizetype end = 0;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        QByteArray value = line.mid(end).trimmed();
        // The emulator prints a value holding blanks in quotes, and nothing else: a "#" inside a
        // value it prints as it is, so the value runs to the end of the line.
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.sliced(1, value.size() - 2);
        config.m_values.insert(QString::fromUtf8(line.first(end)), QString::fromUtf8(value));
    }
    return config;
}

QString EmulatorConfig::expanded(QString text) const {
    // The emulator substitutes the variable wherever it stands, and a "~" only in front.
    static const QRegularExpression home(QStringLiteral(R"(\$(HOME\b|\{HOME\}))"));
    QRegularExpressionMatch match;
    for (qsizetype at = 0; (at = text.indexOf(home, at, &match)) >= 0; at += m_home.size())
        text.replace(at, match.capturedLength(), m_home);
    if (text == u"~" || text.startsWith(u"~/"))
        text.replace(0, 1, m_home);
    return text;
}

QString EmulatorConfig::value(const QString& key) const {
    return expanded(m_values.value(key));
}

QStringList EmulatorConfig::paths(const QString& key) const {
    QStringList paths;
    for (const QString& path : writtenPaths(key))
        paths << absolutePath(path);
    return paths;
}

QStringList EmulatorConfig::writtenPaths(const QString& key) const {
    return m_values.value(key).split(u';', Qt::SkipEmptyParts);
}

QString EmulatorConfig::absolutePath(const QString& path) const {
    return QDir::cleanPath(QDir(m_workingDirectory).absoluteFilePath(expanded(path)));
}

QString EmulatorConfig::userIniFile() const {
    if (m_home.isEmpty())
        return QString();
    QString home = QDir::cleanPath(m_home);
    if (!home.endsWith(u'/'))
        home += u'/';
    for (const QString& folder : paths(QStringLiteral("inipath"))) {
        if ((folder + u'/').startsWith(home))
            return folder + QStringLiteral("/mame.ini");
    }
    return QString();
}

std::optional<QString> EmulatorConfig::uiValue(const QString& key) const {
    for (const QString& folder : paths(QStringLiteral("inipath"))) {
        const QString file = folder + QStringLiteral("/ui.ini");
        if (!QFileInfo(file).isFile())
            continue;
        const std::optional<io::MameIniFile> ini = io::MameIniFile::read(file);
        return ini ? ini->value(key) : std::nullopt;
    }
    return std::nullopt;
}

QStringList EmulatorConfig::uiPaths(const QString& key) const {
    QStringList folders;
    for (const QString& path : uiValue(key).value_or(QString()).split(u';', Qt::SkipEmptyParts))
        folders << absolutePath(path);
    return folders;
}

QStringList EmulatorConfig::uiFolders() const {
    const QString uiPath = uiValue(QStringLiteral("ui_path")).value_or(QStringLiteral("ui"));
    const QString first = expanded(uiPath.section(u';', 0, 0));
    QStringList folders{absolutePath(first)};
    if (QDir::isRelativePath(first))
        folders << QDir::cleanPath(QDir(m_home).absoluteFilePath(first));
    folders.removeDuplicates();
    return folders;
}

std::optional<EmulatorConfig> readEmulatorConfig(CommandRunner& runner, const Command& showConfig) {
    const std::optional<QByteArray> output = outputOf(runner, showConfig);
    if (!output)
        return std::nullopt;
    // The child inherits this process's environment, so its "$HOME" is this home.
    EmulatorConfig config = EmulatorConfig::parse(*output, QDir::homePath(), showConfig.workingDirectory);
    if (!config.contains(QStringLiteral("inipath")) || !config.contains(QStringLiteral("rompath")))
        return std::nullopt;
    return config;
}

} // namespace exec
