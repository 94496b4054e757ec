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

    m_state.setAppPath(root.filePath(QStringLiteral("app")));
    config::Directories& d = m_state.directories;
    d.mame = config::directoryText(mame);
    d.retroRoms = config::directoryText(QDir(mame).filePath(QStringLiteral("roms")));
    d.neoGeoRoms = config::directoryText(QDir(mame).filePath(QStringLiteral("neogeo")));
    d.samples = config::directoryText(QDir(mame).filePath(QStringLiteral("samples")));
    d.snapshots = config::directoryText(QDir(mame).filePath(QStringLiteral("snap")));
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
