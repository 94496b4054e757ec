#include "core/exec/EmulatorConfig.h"

#include "core/exec/CommandRunner.h"
#include "core/io/AtomicFile.h"
#include "core/io/MameIniFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>

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

namespace {

// A file as it is now: which file, its size, when it was written and when it changed (to the
// nanosecond, so that an edit within the same second tells too); "-" when there is none.
QByteArray fileStamp(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return path.toUtf8() + " -\n";
    return path.toUtf8() + QStringLiteral(" %1 %2 %3.%4 %5.%6\n")
                               .arg(status.st_ino)
                               .arg(status.st_size)
                               .arg(status.st_mtim.tv_sec)
                               .arg(status.st_mtim.tv_nsec)
                               .arg(status.st_ctim.tv_sec)
                               .arg(status.st_ctim.tv_nsec)
                               .toUtf8();
}

// Everything an answer depends on: the program and how it runs, the home folder, and every
// mame.ini the emulator may read (those of its built-in ini path and of the one it answered).
QByteArray answerKey(const Command& showConfig, const EmulatorConfig& answer) {
    const QString home = QDir::homePath();
    QStringList inis = EmulatorConfig::parse("inipath \"$HOME/.mame;.;ini\"", home, showConfig.workingDirectory)
                           .paths(QStringLiteral("inipath"));
    inis += answer.paths(QStringLiteral("inipath"));
    inis.removeDuplicates();
    QByteArray key = fileStamp(showConfig.program);
    key += showConfig.arguments.join(QChar(0x1f)).toUtf8() + '\n' + showConfig.workingDirectory.toUtf8() + '\n' +
           home.toUtf8() + '\n';
    for (const QString& folder : std::as_const(inis))
        key += fileStamp(QDir(folder).filePath(QStringLiteral("mame.ini")));
    return key;
}

// Where the last answer of this program is kept (the emulator takes a quarter of a second to
// start, which every start of Marqueon would wait for); empty when there is no cache folder.
QString answerFile(const Command& showConfig) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        return QString();
    const QByteArray which = QCryptographicHash::hash(
        (showConfig.program + QChar(0) + showConfig.workingDirectory).toUtf8(), QCryptographicHash::Sha1);
    return folder + QStringLiteral("/showconfig-") + QString::fromLatin1(which.toHex().left(16)) +
           QStringLiteral(".txt");
}

// The emulator's answer, read from what it said ("$HOME" is this home: the child inherits this
// process's environment); nothing when it says nothing about where the emulator looks.
std::optional<EmulatorConfig> configOf(QByteArrayView output, const Command& showConfig) {
    EmulatorConfig config = EmulatorConfig::parse(output, QDir::homePath(), showConfig.workingDirectory);
    if (!config.contains(QStringLiteral("inipath")) || !config.contains(QStringLiteral("rompath")))
        return std::nullopt;
    return config;
}

// The kept answer, when nothing it depends on has changed since.
std::optional<EmulatorConfig> keptAnswer(const QString& path, const Command& showConfig) {
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray kept = file.read(1 << 20);
    const qsizetype split = kept.indexOf("\n\n");
    if (split < 0)
        return std::nullopt;
    std::optional<EmulatorConfig> config = configOf(QByteArrayView(kept).sliced(split + 2), showConfig);
    if (!config || answerKey(showConfig, *config) != kept.left(split + 1))
        return std::nullopt;
    return config;
}

} // namespace

std::optional<EmulatorConfig> readEmulatorConfig(CommandRunner& runner, const Command& showConfig) {
    const QString kept = answerFile(showConfig);
    if (std::optional<EmulatorConfig> config = keptAnswer(kept, showConfig))
        return config;
    const QByteArray program = fileStamp(showConfig.program);
    const std::optional<QByteArray> output = outputOf(runner, showConfig);
    std::optional<EmulatorConfig> config = output ? configOf(*output, showConfig) : std::nullopt;
    // Kept only when the program is the same after the run as before it (not replaced meanwhile).
    if (config && !kept.isEmpty() && fileStamp(showConfig.program) == program && QDir().mkpath(QFileInfo(kept).path()))
        (void)io::replaceFile(kept, answerKey(showConfig, *config) + '\n' + *output);
    return config;
}

} // namespace exec
