// The main window's part of the user's own data: favourites, play history, the genre lists.
#include "app/ListController.h"
#include "app/MainWindow.h"
#include "core/catalogue/GameListModel.h"
#include "core/catalogue/MameFavourites.h"
#include "core/io/AtomicFile.h"
#include "core/maintenance/EmulatorFiles.h"
#include "gui/catalogue/GameListPanel.h"
#include "gui/catalogue/GameListView.h"
#include "gui/common/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace app {

using Icon = gui::Dialogs::Icon;

// Opened when the lists load, and made only when there is something to keep; a database that
// cannot be opened is said once, and the lists work without it.
bool MainWindow::openUserData(bool forWriting) {
    const QString path = m_state.userDataPath();
    if (m_userData.isOpen() && m_userData.path() == path)
        return true;
    if (!forWriting && !QFileInfo::exists(path)) {
        m_userData.close();
        return true;
    }
    QDir().mkpath(QFileInfo(path).path());
    if (m_userData.open(path))
        return true;
    if (!m_userDataFailed)
        m_dialogs.message(QStringLiteral("Marqueon cannot open its list of favourites and played games (%1): %2.  "
                                         "Favourites and play history are not kept until it can.")
                              .arg(QDir::toNativeSeparators(path), m_userData.error()),
                          Icon::Exclamation);
    m_userDataFailed = true;
    return false;
}

void MainWindow::toggleFavourite() {
    const catalogue::GameRecord* game = m_lists->selectedGame();
    if (!game || !openUserData(true))
        return;
    const QString rom = game->romName();
    if (!m_userData.setFavourite(rom, !m_userData.isFavourite(rom))) {
        m_dialogs.message(QStringLiteral("Marqueon could not save your favourites: %1.").arg(m_userData.error()),
                          Icon::Critical);
        return;
    }
    m_lists->marksChanged();
}

void MainWindow::recordPlay(const QString& romName, const QDateTime& started, qint64 seconds) {
    if (!openUserData(true))
        return;
    if (!m_userData.recordPlay(romName, started, seconds)) {
        m_dialogs.message(
            QStringLiteral("Marqueon could not add this game to your play history: %1.").arg(m_userData.error()),
            Icon::Exclamation);
        return;
    }
    m_lists->marksChanged();
}

// Where the emulator's own menu keeps its favourites; empty when the emulator did not say.
QString MainWindow::emulatorFavouritesFile() {
    const std::optional<maintenance::EmulatorFiles> files = m_runner.locateFiles(m_state, m_emulator);
    if (!files || !files->config()) {
        m_dialogs.message(QStringLiteral("M.A.M.E. did not say where it keeps its files (mame -showconfig)."),
                          Icon::Exclamation);
        return QString();
    }
    // The file where there is one; else, where the emulator also runs from the home folder, there.
    const QStringList folders = files->config()->uiFolders();
    for (const QString& folder : folders) {
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("favorites.ini"))).isFile())
            return QDir(folder).filePath(QStringLiteral("favorites.ini"));
    }
    return QDir(folders.last()).filePath(QStringLiteral("favorites.ini"));
}

void MainWindow::importFavourites() {
    const QString start = emulatorFavouritesFile();
    if (start.isEmpty() || !openUserData(true))
        return;
    const QString chosen = m_dialogs.chooseFile(QStringLiteral("Import M.A.M.E. Favourites"), start, false);
    if (chosen.isEmpty())
        return;
    QFile file(chosen);
    std::optional<QList<catalogue::MameFavourite>> entries;
    if (QFileInfo(chosen).isFile() && file.open(QIODevice::ReadOnly))
        entries = catalogue::readMameFavourites(file.read(4 << 20));
    if (!entries) {
        m_dialogs.message(QStringLiteral("%1 is no favourites file of M.A.M.E.").arg(QDir::toNativeSeparators(chosen)),
                          Icon::Exclamation);
        return;
    }
    QSet<QString> favourites = m_userData.favourites();
    int added = 0;
    for (const catalogue::MameFavourite& entry : std::as_const(*entries)) {
        const QString machine = entry.machine();
        if (!machine.isEmpty() && exec::isPlainGameName(machine) && !favourites.contains(machine)) {
            favourites.insert(machine);
            ++added;
        }
    }
    if (!m_userData.setFavourites(favourites)) {
        m_dialogs.message(QStringLiteral("Marqueon could not save your favourites: %1.").arg(m_userData.error()),
                          Icon::Critical);
        return;
    }
    m_lists->marksChanged();
    m_dialogs.message(
        added == 1
            ? QStringLiteral("1 favourite was added from %1.").arg(QDir::toNativeSeparators(chosen))
            : QStringLiteral("%1 favourites were added from %2.").arg(added).arg(QDir::toNativeSeparators(chosen)),
        Icon::Information);
}

// The emulator's entries already in the file stay (its software favourites among them); the
// games marked here are added.
void MainWindow::exportFavourites() {
    const QString start = emulatorFavouritesFile();
    if (start.isEmpty() || !openUserData(false))
        return;
    // The emulator's own folder for its menu files; it makes the folder itself too.
    QDir().mkpath(QFileInfo(start).path());
    const QString chosen = m_dialogs.chooseFile(QStringLiteral("Export M.A.M.E. Favourites"), start, true);
    if (chosen.isEmpty())
        return;
    QList<catalogue::MameFavourite> entries;
    if (QFileInfo(chosen).isFile()) {
        QFile file(chosen);
        std::optional<QList<catalogue::MameFavourite>> kept;
        if (file.open(QIODevice::ReadOnly))
            kept = catalogue::readMameFavourites(file.read(4 << 20));
        if (!kept) {
            m_dialogs.message(QStringLiteral("%1 is no favourites file of M.A.M.E.; it was left as it is.")
                                  .arg(QDir::toNativeSeparators(chosen)),
                              Icon::Exclamation);
            return;
        }
        entries = *kept;
    }
    QSet<QString> present;
    for (const catalogue::MameFavourite& entry : std::as_const(entries))
        present.insert(entry.machine());
    const catalogue::GameListModel* all = m_listPanel->list(config::GameView::All)->games();
    int added = 0;
    for (int row = 0; row < all->count(); ++row) {
        const catalogue::GameRecord& game = all->game(row);
        if (m_userData.isFavourite(game.romName()) && !present.contains(game.romName())) {
            entries.append(catalogue::mameFavourite(game));
            ++added;
        }
    }
    QDir().mkpath(QFileInfo(chosen).path());
    if (!io::replaceFile(chosen, catalogue::mameFavouritesFile(entries))) {
        m_dialogs.message(QStringLiteral("%1 could not be written.").arg(QDir::toNativeSeparators(chosen)),
                          Icon::Critical);
        return;
    }
    m_dialogs.message(
        added == 1 ? QStringLiteral("1 favourite was added to %1.").arg(QDir::toNativeSeparators(chosen))
                   : QStringLiteral("%1 favourites were added to %2.").arg(added).arg(QDir::toNativeSeparators(chosen)),
        Icon::Information);
}

// The emulator's timer plugin keeps its counts in its home folder, read again with the lists.
// Debian's emulator leaves that folder at ".", where it runs: Marqueon runs it in its own folder,
// a terminal in the user's home folder; the counts of both are added up.
void MainWindow::loadEmulatorPlays() {
    const exec::EmulatorConfig* config = m_emulator.hasConfiguration() ? m_settings.emulatorConfiguration() : nullptr;
    const QString home = config ? config->value(QStringLiteral("homepath")).section(u';', 0, 0) : QString();
    QHash<QString, catalogue::PlayRecord> plays;
    if (!home.isEmpty()) {
        QStringList files{config->absolutePath(home), QDir::cleanPath(QDir::home().absoluteFilePath(home))};
        files.removeDuplicates();
        for (QString& file : files)
            file += QStringLiteral("/timer/timer.db");
        for (const QString& file : std::as_const(files)) {
            const QHash<QString, catalogue::PlayRecord> read = catalogue::readEmulatorTimer(file);
            for (auto each = read.cbegin(); each != read.cend(); ++each) {
                catalogue::PlayRecord& sum = plays[each.key()];
                sum.count += each->count;
                sum.seconds += each->seconds;
            }
        }
    }
    m_userData.setEmulatorPlays(std::move(plays));
}

// catver.ini and nplayers.ini from the folder the user chose, else the first of the folders
// where users keep them.
void MainWindow::loadCommunityLists() {
    QStringList folders;
    if (!m_state.preferences.listsFolder.isEmpty()) {
        folders << m_state.preferences.listsFolder;
    } else {
        const QString mame = m_state.directories.mame;
        const QString home = QDir::homePath();
        folders << m_state.appPath << mame << mame + QStringLiteral("folders") << mame + QStringLiteral("ini")
                << home + QStringLiteral("/.mame") << home + QStringLiteral("/.mame/folders")
                << home + QStringLiteral("/mame/folders");
    }
    const auto read = [&folders](const char* name) {
        const QString path = catalogue::findListFile(QLatin1String(name), folders);
        QFile file(path);
        return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.read(64 << 20) : QByteArray();
    };
    m_community.genres = catalogue::readCatver(read("catver.ini"));
    m_community.players = catalogue::readNPlayers(read("nplayers.ini"));
}

} // namespace app
