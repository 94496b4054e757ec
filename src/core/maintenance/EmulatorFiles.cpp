#include "core/maintenance/EmulatorFiles.h"

#include "core/exec/Emulator.h"
#include "core/io/AtomicFile.h"
#include "core/io/TextFile.h"
#include "core/maintenance/MameIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace maintenance {
namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

QString folderPath(const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(path) + QDir::separator();
}

} // namespace

std::optional<EmulatorFiles> EmulatorFiles::locate(const config::AppState& state, const exec::Emulator& emulator,
                                                   exec::CommandRunner& runner) {
    EmulatorFiles files;
    files.m_state = &state;
    if (!emulator.hasConfiguration()) {
        files.m_directoryFile = mameCfgPath(state);
        return files;
    }
    files.m_config = exec::readEmulatorConfig(runner, emulator.showConfig());
    if (!files.m_config || files.m_config->userIniFile().isEmpty())
        return std::nullopt;
    files.m_directoryFile = files.m_config->userIniFile();
    return files;
}

QString EmulatorFiles::directoryFileName() const {
    return QFileInfo(m_directoryFile).fileName();
}

GameFileLocation EmulatorFiles::gameFiles(GameFiles kind) const {
    const config::Directories& d = m_state->directories;
    const auto classic = [&](const char* folder) {
        return d.mame + QLatin1String(folder) + QDir::separator();
    };
    const auto first = [this](const char* key) {
        return folderPath(m_config->paths(QLatin1String(key)).value(0));
    };
    const auto classicFiles = [](const QString& game, const QString& all, const char* extension) {
        return GameFileLocation{game, all, QLatin1String(extension), false, QString(), true, QString()};
    };
    const auto today = [](const QString& folder, const char* extension, const char* folderPattern = nullptr,
                          const char* noun = nullptr) {
        return GameFileLocation{folder,
                                folder,
                                QLatin1String(extension),
                                folderPattern != nullptr,
                                folderPattern ? QLatin1String(folderPattern) : QString(),
                                false,
                                noun ? QLatin1String(noun) : QString()};
    };
    switch (kind) {
    case GameFiles::Cfg:
        if (!m_config)
            return classicFiles(classic("cfg"), classic("cfg"), ".cfg");
        return today(first("cfg_directory"), ".cfg");
    case GameFiles::Hi:
        if (!m_config)
            return classicFiles(classic("hi"), classic("hi"), ".hi");
        // The hiscore plugin saves under the emulator's home path.
        return today(first("homepath") + QStringLiteral("hiscore") + QDir::separator(), ".hi");
    case GameFiles::Nvram:
        if (!m_config)
            return classicFiles(classic("nvram"), classic("nvram"), ".nv");
        // A game's non-volatile memory is every file in its folder, named after the device that keeps it.
        return today(first("nvram_directory"), ".nv", "*", "NVRAM");
    case GameFiles::Snap:
        break;
    }
    // A game's shot lies in the snapshot directory; the classic "all" kept to the emulator's snap folder.
    if (!m_config)
        return classicFiles(d.snapshots, classic("snap"), ".png");
    // Marqueon gives today's emulator its snapshot directory on every start.
    return today(d.snapshots, ".png", "*.png");
}

bool EmulatorFiles::writeDirectories(config::AppState& state, CfgWrite mode,
                                     const config::Directories& replaced) const {
    if (!m_config)
        return maintenance::writeDirectories(state, mode);
    const config::Directories& d = state.directories;
    state.mameRomPath = romPathFor(state.preferences.listChoice, d.retroRoms, d.neoGeoRoms, state.mameRomPath);
    // The folders MAME searched before stay searched (Debian's ~/mame/roms and its system folders),
    // after Marqueon's and once each.
    const auto merged = [&](const QString& ours, const char* key, QStringList formerlyOurs) {
        QStringList folders;
        QStringList seen;
        formerlyOurs.removeAll(QString());
        for (QString& folder : formerlyOurs)
            folder = m_config->absolutePath(folder);
        const auto add = [&](const QString& folder, bool emulators) {
            const QString absolute = m_config->absolutePath(folder);
            if (seen.contains(absolute) || (emulators && formerlyOurs.contains(absolute)))
                return;
            seen << absolute;
            folders << folder;
        };
        for (const QString& folder : ours.split(u';', Qt::SkipEmptyParts))
            add(folder, false);
        for (const QString& folder : m_config->writtenPaths(QLatin1String(key)))
            add(folder, true);
        return folders.join(u';');
    };
    const QStringList formerRoms = {replaced.retroRoms, replaced.neoGeoRoms};
    return writeMameIniDirectories(m_directoryFile,
                                   {merged(state.mameRomPath, "rompath", formerRoms),
                                    merged(d.samples, "samplepath", {replaced.samples}), d.snapshots});
}

QString EmulatorFiles::unwritableMessage() const {
    if (!m_config)
        return cfgUnwritableMessage(*m_state);
    return QStringLiteral("The mame.ini file could not be written in ") + QFileInfo(m_directoryFile).path();
}

QString EmulatorFiles::recreateNote() const {
    if (!m_config)
        return QStringLiteral(" Here you can delete the mame.cfg file if you messed it up by editing it.  A new one "
                              "will automatically be     created for you.");
    return QStringLiteral("Here you can set Marqueon's directories (rompath, samplepath and snapshot_directory) in "
                          "your mame.ini file again, if editing changed them.  Your other settings there stay as "
                          "they are.");
}

QString EmulatorFiles::recreateCaption() const {
    return m_config ? QStringLiteral("Set Marqueon's Directories In mame.ini Again")
                    : QStringLiteral("Delete And Recreate M.A.M.E. Config File");
}

QString EmulatorFiles::recreateQuestion() const {
    return m_config ? QStringLiteral("Are you sure you want to set Marqueon's directories in the mame.ini file again?")
                    : QStringLiteral("Are you sure you want to delete the mame.cfg file?");
}

std::optional<QString> EmulatorFiles::readDirectoryFile() const {
    if (!m_config)
        return io::readText(m_directoryFile);
    QFile file(m_directoryFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(ByteOrderMark))
        bytes.remove(0, ByteOrderMark.size());
    return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool EmulatorFiles::writeDirectoryFile(const QString& text) const {
    if (!m_config)
        return io::writeText(m_directoryFile, text);
    QByteArray before;
    if (QFile file(m_directoryFile); file.open(QIODevice::ReadOnly))
        before = file.readAll();
    QByteArray bytes = text.toUtf8();
    if (before.contains("\r\n"))
        bytes.replace("\r\n", "\n").replace("\n", "\r\n");
    if (before.startsWith(ByteOrderMark))
        bytes.prepend(ByteOrderMark);
    return io::replaceFile(m_directoryFile, bytes);
}

} // namespace maintenance
