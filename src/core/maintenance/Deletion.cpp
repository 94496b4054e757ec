#include "core/maintenance/Deletion.h"

#include "core/maintenance/FileCleanup.h"

#include <QDir>
#include <QFileInfo>

namespace maintenance {
namespace {

// A folder's path with links resolved where it exists, so that two spellings of one folder meet.
QString canonical(const QString& path) {
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return QDir::cleanPath(resolved.isEmpty() ? QDir(path).absolutePath() : resolved);
}

// Why the folder is not Marqueon's to delete in; empty when it is.
QString refusalFor(const QString& folder, const QList<KeptFolder>& kept) {
    if (folder.isEmpty())
        return QString();
    const QString path = canonical(folder);
    for (const KeptFolder& each : kept) {
        if (each.path == path)
            return QStringLiteral("Marqueon will not delete files in %1: it is %2.")
                .arg(QDir::toNativeSeparators(folder), each.what);
    }
    return QString();
}

// The regular files of a game's folder that belong to the kind.
QStringList gameFolderFiles(const QString& folder, const QString& pattern) {
    QStringList files;
    if (!FileCleanup::hasFolder(folder))
        return files;
    const FileCleanup content(folder, pattern);
    for (const QString& name : content.files())
        files << content.pathOf(name);
    return files;
}

} // namespace

QList<KeptFolder> keptFolders(const config::AppState& state, const EmulatorFiles& files, const QString& home) {
    const config::Directories& d = state.directories;
    const QString rom = QStringLiteral("a ROM directory"), samples = QStringLiteral("a samples directory");
    QList<std::pair<QString, QString>> folders = {{d.mame, QStringLiteral("the M.A.M.E. directory")},
                                                  {d.retroRoms, rom},
                                                  {d.neoGeoRoms, rom},
                                                  {d.samples, samples}};
    if (const std::optional<exec::EmulatorConfig>& config = files.config()) {
        for (const QString& folder : config->paths(QStringLiteral("rompath")))
            folders.append({folder, rom});
        for (const QString& folder : config->paths(QStringLiteral("samplepath")))
            folders.append({folder, samples});
    }
    QList<KeptFolder> kept;
    for (const auto& [folder, what] : std::as_const(folders)) {
        if (!folder.isEmpty())
            kept.append({canonical(folder), what});
    }
    // The home folder and everything above it, the root included.
    if (!home.isEmpty()) {
        QString what = QStringLiteral("your home folder");
        for (QDir up(canonical(home));; up.cdUp()) {
            kept.append({QDir::cleanPath(up.absolutePath()), up.isRoot() ? QStringLiteral("the root folder") : what});
            if (up.isRoot())
                break;
            what = QStringLiteral("a folder that holds your home folder");
        }
    }
    return kept;
}

Deletion planGameDeletion(const GameFileLocation& where, const QString& game, const QList<KeptFolder>& kept) {
    Deletion deletion;
    deletion.refusal = refusalFor(where.gameFolder, kept);
    const FileCleanup folder(where.gameFolder, QLatin1Char('*') + where.extension);
    // A name that could lead elsewhere ("..", "a/b") yields no path, so nothing outside is touched.
    const QString own = folder.pathOf(game + where.extension);
    if (!deletion.refusal.isEmpty() || own.isEmpty())
        return deletion;
    if (FileCleanup::hasFile(own))
        deletion.files << own;
    if (where.gameFolders) {
        const QString gameFolder = folder.pathOf(game);
        deletion.refusal = refusalFor(gameFolder, kept);
        if (!deletion.refusal.isEmpty())
            return Deletion{deletion.refusal, {}, {}};
        deletion.files << gameFolderFiles(gameFolder, where.folderPattern);
        if (FileCleanup::hasFolder(gameFolder))
            deletion.folders << gameFolder;
    }
    return deletion;
}

Deletion planDeleteAll(const GameFileLocation& where, const QSet<QString>& games, const QList<KeptFolder>& kept) {
    Deletion deletion;
    deletion.refusal = refusalFor(where.allFolder, kept);
    if (!deletion.refusal.isEmpty())
        return deletion;
    const FileCleanup folder(where.allFolder, QLatin1Char('*') + where.extension);
    for (const QString& name : folder.files())
        deletion.files << folder.pathOf(name);
    if (!where.gameFolders || where.allFolder.isEmpty())
        return deletion;
    const QDir all(where.allFolder);
    QStringList names = all.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | QDir::Hidden, QDir::Name);
    for (const QString& name : std::as_const(names)) {
        const QString gameFolder = folder.pathOf(name);
        if (!games.contains(name) || gameFolder.isEmpty() || !refusalFor(gameFolder, kept).isEmpty())
            continue;
        deletion.files << gameFolderFiles(gameFolder, where.folderPattern);
        if (FileCleanup::hasFolder(gameFolder))
            deletion.folders << gameFolder;
    }
    return deletion;
}

qsizetype carryOut(const Deletion& deletion) {
    qsizetype failed = 0;
    for (const QString& file : deletion.files) {
        if (!FileCleanup::deleteFile(file))
            ++failed;
    }
    // Only an empty folder goes: whatever else the user keeps there stays.
    for (const QString& folder : deletion.folders)
        QDir().rmdir(folder);
    return failed;
}

QString noGameFileMessage(const QString& kind, const QString& game) {
    return QStringLiteral("There is no ") + kind + QStringLiteral(" file for ") + game + u'.';
}

QString askGameFileMessage(const QString& kind, const QString& game) {
    return QStringLiteral("Are you sure you want to delete the ") + kind + QStringLiteral(" file for ") + game + u'?';
}

QString gameFileFailedMessage(const QString& kind, const QString& game) {
    return QStringLiteral("The ") + kind + QStringLiteral(" file for ") + game +
           QStringLiteral(" could not be deleted.");
}

QString noFilesMessage(const QString& kind) {
    return QStringLiteral("There are no ") + kind + QStringLiteral(" files to delete.");
}

QString askAllFilesMessage(const GameFileLocation& where, const Deletion& deletion) {
    const QString question =
        QStringLiteral("Are you sure you want to delete all ") + where.extension + QStringLiteral(" files?");
    if (where.classic)
        return question;
    const qsizetype count = deletion.count();
    return question + QStringLiteral("  %1 %2 will be deleted.")
                          .arg(count)
                          .arg(count == 1 ? QStringLiteral("file") : QStringLiteral("files"));
}

QString filesFailedMessage(const QString& kind, qsizetype failed) {
    return QString::number(failed) + u' ' + kind + (failed == 1 ? QStringLiteral(" file") : QStringLiteral(" files")) +
           QStringLiteral(" could not be deleted.");
}

} // namespace maintenance
