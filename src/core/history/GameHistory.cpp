#include "core/history/GameHistory.h"

#include "core/catalogue/GameRecord.h"
#include "core/config/AppState.h"

#include <QDir>
#include <QFileInfo>

namespace history {
namespace {

// The folders today's history file is looked for in, in order.
QStringList todayHistoryFolders(const QString& mameDirectory, const QString& homeDirectory) {
    QStringList folders = {QDir::cleanPath(mameDirectory), QDir(mameDirectory).filePath(QStringLiteral("history")),
                           QDir(mameDirectory).filePath(QStringLiteral("dats"))};
    if (!homeDirectory.isEmpty())
        folders.append(QDir(homeDirectory).filePath(QStringLiteral(".mame/history")));
    return folders;
}

} // namespace

HistorySource findHistory(exec::Interface interface, const config::AppState& state, const QString& homeDirectory) {
    if (interface == exec::Interface::Classic) {
        const QString file = state.directories.mame + QStringLiteral("history.dat");
        return {QFileInfo::exists(file) ? file : QString(), state.listingPath(),
                QStringLiteral("Cannot find history.dat file.  Download and install this file in your M.A.M.E. "
                               "directory.\rOnce this file exists, refresh the Game List to initialize the history "
                               "database.")};
    }
    // Today's emulator writes no listing, so no refresh is needed.
    const QStringList folders = todayHistoryFolders(state.directories.mame, homeDirectory);
    QStringList shown;
    for (const QString& folder : folders)
        shown << QDir::toNativeSeparators(folder);
    HistorySource source{QString(), QString(),
                         QStringLiteral("Cannot find history.xml or history.dat file.  Marqueon looked in %1.  "
                                        "Download one of these files and put it in one of these folders.")
                             .arg(shown.join(QStringLiteral(", ")))};
    for (const QString& folder : folders) {
        for (const char* name : {"history.xml", "history.dat"}) {
            const QString file = QDir(folder).filePath(QLatin1String(name));
            if (source.file.isEmpty() && QFileInfo(file).isFile())
                source.file = file;
        }
    }
    return source;
}

bool GameHistory::needsIndex(const HistorySource& source) const {
    return source.listingPath.isEmpty() && !m_database.isIndexed(source.file);
}

bool GameHistory::buildIndex(const HistorySource& source, const HistoryDatabase::KeepGoing& keepGoing) {
    return !source.listingPath.isEmpty() || m_database.index(source.file, keepGoing);
}

QString GameHistory::text(const HistorySource& source, const catalogue::GameRecord* game) {
    const QString romName = game ? game->romName() : QString();
    if (!source.listingPath.isEmpty())
        return gameHistory(source.listingPath, romName).text;
    return m_database.lookup(source.file, romName, game && game->isClone() ? game->parentName() : QString()).text;
}

} // namespace history
