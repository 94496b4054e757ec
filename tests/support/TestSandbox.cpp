#include "support/TestSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TestSandbox::TestSandbox(const QString& mameFolderName) {
    const QDir root(m_root.path());
    const QString mame = root.filePath(mameFolderName);
    for (const char* folder : {"roms", "neogeo", "samples", "snap"})
        root.mkpath(QDir(mame).filePath(QLatin1String(folder)));
    root.mkpath(QStringLiteral("app/settings"));
    root.mkpath(QStringLiteral("app/reports"));

    const QString emulator = QDir(mame).filePath(config::mameFileName());
    m_valid =
        m_root.isValid() && QFile::copy(QStringLiteral(STANDIN_MAME), emulator) &&
        QFile::copy(QStringLiteral(STANDIN_DEMO_DIR "/standin-games.dat"), QDir(mame).filePath("standin-games.dat"));

    // The sandbox's own home, XDG folders and a private runtime folder.
    const QString home = this->home();
    const std::pair<const char*, QString> environment[] = {
        {"HOME", home},
        {"XDG_CONFIG_HOME", home + QStringLiteral("/.config")},
        {"XDG_DATA_HOME", home + QStringLiteral("/.local/share")},
        {"XDG_STATE_HOME", home + QStringLiteral("/.local/state")},
        {"XDG_CACHE_HOME", home + QStringLiteral("/.cache")},
        {"XDG_RUNTIME_DIR", root.filePath(QStringLiteral("runtime"))},
    };
    root.mkpath(QStringLiteral("home"));
    root.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const auto& [name, value] : environment) {
        const QByteArray bytes = QFile::encodeName(value);
        m_environment.append(
            {name, bytes, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
        qputenv(name, bytes);
    }

    m_state.setAppPath(root.filePath(QStringLiteral("app")));
    config::Directories& d = m_state.directories;
    d.mame = config::directoryText(mame);
    d.retroRoms = config::directoryText(QDir(mame).filePath(QStringLiteral("roms")));
    d.neoGeoRoms = config::directoryText(QDir(mame).filePath(QStringLiteral("neogeo")));
    d.samples = config::directoryText(QDir(mame).filePath(QStringLiteral("samples")));
    d.snapshots = config::directoryText(QDir(mame).filePath(QStringLiteral("snap")));
}

TestSandbox::~TestSandbox() {
    for (const Variable& variable : std::as_const(m_environment)) {
        if (qgetenv(variable.name.constData()) != variable.value)
            continue;
        if (variable.before)
            qputenv(variable.name.constData(), *variable.before);
        else
            qunsetenv(variable.name.constData());
    }
}

void TestSandbox::setCatalogue(const QByteArray& listing) const {
    writeFile(mamePath() + QStringLiteral("standin-games.dat"), listing);
}

void TestSandbox::addArchive(const QString& directory, const QString& name) {
    writeFile(directory + name + QStringLiteral(".zip"), QByteArray());
}

QStringList TestSandbox::lastRunArguments() const {
    const QString text = QString::fromLatin1(readFile(mamePath() + QStringLiteral("standin-lastrun.txt")));
    return text.split(u'\n', Qt::SkipEmptyParts);
}

void TestSandbox::writeOptions(const QByteArray& gameList, const QByteArray& more) const {
    const config::Directories& d = m_state.directories;
    writeFile(optionsFile(), "[Preferences]\r\nGameList=" + gameList +
                                 "\r\nHideClones=False\r\nCloneShots=False\r\nDisableHotKeys=True\r\n"
                                 "UseStarfield=True\r\nBackColor=0\r\nForeColor=0\r\n[Directories]\r\nMAME=" +
                                 d.mame.toLatin1() + "\r\nRetroROMs=" + d.retroRoms.toLatin1() +
                                 "\r\nNeoGeoROMs=" + d.neoGeoRoms.toLatin1() + "\r\nSamples=" + d.samples.toLatin1() +
                                 "\r\nSnapshots=" + d.snapshots.toLatin1() + "\r\n" + more);
}
