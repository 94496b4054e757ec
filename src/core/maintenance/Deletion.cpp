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

namespace {

// "the .cfg file", or today's memory, which is a folder of files: "the NVRAM".
QString single(const GameFileLocation& where) {
    return where.noun.isEmpty() ? where.extension + QStringLiteral(" file") : where.noun;
}
QString plural(const GameFileLocation& where) {
    return where.noun.isEmpty() ? where.extension + QStringLiteral(" files") : where.noun + QStringLiteral(" files");
}

} // namespace

FilesText filesText(GameFiles kind, const GameFileLocation& where) {
    struct Classic {
        const char* note;
        const char* perGame;
        const char* all;
    };
    // As the classic emulator's users know them, blanks and all.
    static const Classic classic[] = {
        {" Here you can delete the selected game's .cfg file or all .cfg files.  These files were created by M.A.M.E.  "
         "  If the cfg folder does not exist, M.A.M.E. does not create these files.",
         "Delete Selected Game's .CFG File", "Delete All .CFG Files"},
        {" Here you can delete the selected game's .hi file or all .hi files.  These files were created by M.A.M.E.  If "
         "    the hi folder does not exist, M.A.M.E. does not create these files.",
         "Delete Selected Game's .HI File", "Delete All .HI Files"},
        {" Here you can delete the selected game's .nv file or all .nv files.  These files were created by M.A.M.E.  If "
         " the nvram folder does not exist, M.A.M.E. does not create these files.",
         "Delete Selected Game's .NV File", "Delete All .NV Files"},
        {" Here you can delete the selected game's .png file or all .png files.  These files were created by M.A.M.E.  "
         "If the snap folder does not exist, M.A.M.E. does not create these files.",
         "Delete Selected Game's .PNG File", "Delete All .PNG Files"},
    };
    const Classic& text = classic[int(kind)];
    if (where.classic)
        return {QLatin1String(text.note), QLatin1String(text.perGame), QLatin1String(text.all)};
    const QString folder = QDir::toNativeSeparators(where.allFolder);
    switch (kind) {
    case GameFiles::Cfg:
        return {QStringLiteral("Here you can delete the selected game's .cfg file or all .cfg files: the input and "
                               "machine settings M.A.M.E. keeps in its cfg folder, %1.  M.A.M.E. makes them again "
                               "when a game runs.")
                    .arg(folder),
                QLatin1String(text.perGame), QLatin1String(text.all)};
    case GameFiles::Hi:
        return {QStringLiteral("Here you can delete the selected game's .hi file or all .hi files: the high scores "
                               "M.A.M.E.'s hiscore plugin keeps in %1.")
                    .arg(folder),
                QLatin1String(text.perGame), QLatin1String(text.all)};
    case GameFiles::Nvram:
        return {QStringLiteral("Here you can delete the selected game's NVRAM or that of all games: the memory a game "
                               "keeps when it is switched off (settings, high scores), which M.A.M.E. keeps in a "
                               "folder named after each game in %1.  The game then starts afresh.")
                    .arg(folder),
                QStringLiteral("Delete Selected Game's NVRAM"), QStringLiteral("Delete All NVRAM")};
    case GameFiles::Snap:
        break;
    }
    return {QStringLiteral("Here you can delete the selected game's screen shots or all screen shots: the .png files "
                           "M.A.M.E. saves in your snapshot folder, %1, each game's in a folder named after it.")
                .arg(folder),
            QLatin1String(text.perGame), QLatin1String(text.all)};
}

QString noGameFileMessage(const GameFileLocation& where, const QString& game) {
    return QStringLiteral("There is no ") + single(where) + QStringLiteral(" for ") + game + u'.';
}

QString askGameFileMessage(const GameFileLocation& where, const QString& game) {
    return QStringLiteral("Are you sure you want to delete the ") + single(where) + QStringLiteral(" for ") + game +
           u'?';
}

QString gameFileFailedMessage(const GameFileLocation& where, const QString& game) {
    return QStringLiteral("The ") + single(where) + QStringLiteral(" for ") + game +
           QStringLiteral(" could not be deleted.");
}

QString noFilesMessage(const GameFileLocation& where) {
    return QStringLiteral("There are no ") + plural(where) + QStringLiteral(" to delete.");
}

QString askAllFilesMessage(const GameFileLocation& where, const Deletion& deletion) {
    const QString question = QStringLiteral("Are you sure you want to delete all ") + plural(where) + u'?';
    if (where.classic)
        return question;
    const qsizetype count = deletion.count();
    return question + QStringLiteral("  %1 %2 will be deleted.")
                          .arg(count)
                          .arg(count == 1 ? QStringLiteral("file") : QStringLiteral("files"));
}

QString filesFailedMessage(const GameFileLocation& where, qsizetype failed) {
    return QString::number(failed) + u' ' + (failed == 1 ? single(where) : plural(where)) +
           QStringLiteral(" could not be deleted.");
}

} // namespace maintenance
