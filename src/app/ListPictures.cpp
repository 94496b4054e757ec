// The picture beside the lists: the selected game's screen shot, title, flyer ... from the
// snapshots directory, the artwork folder's folders and packs, and today's emulator's own folders.
#include "app/ListController.h"

#include "core/exec/EmulatorConfig.h"
#include "gui/catalogue/GameListPanel.h"
#include "gui/catalogue/GameListView.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace app {
namespace {

// A picture larger than these is taken for a damaged one: reading it would stall the list.
constexpr qint64 MostPictureBytes = 32 << 20;
constexpr int MostPictureSide = 8192;

QImage decoded(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MostPictureSide || size.height() > MostPictureSide)
        return QImage();
    return reader.read();
}

// A picture file of its own; only a regular file is opened (a named pipe would never answer).
std::optional<QImage> pictureFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (info.size() > MostPictureBytes || !file.open(QIODevice::ReadOnly))
        return QImage();
    return decoded(file.readAll());
}

// Today's emulator's own folders of each kind, after the artwork folder's.
const char* const UiKeys[artwork::ArtKindCount] = {nullptr,
                                                   "titles_directory",
                                                   "flyers_directory",
                                                   "marquees_directory",
                                                   "cabinets_directory",
                                                   "cpanels_directory",
                                                   "pcbs_directory"};

} // namespace

artwork::ArtKind ListController::pictureKind() const {
    for (int kind = 1; kind < artwork::ArtKindCount; ++kind) {
        if (m_view.window.picture == artwork::artFolderName(artwork::ArtKind(kind)))
            return artwork::ArtKind(kind);
    }
    return artwork::ArtKind::ScreenShot;
}

void ListController::setPictureKind(artwork::ArtKind kind) {
    m_view.window.picture = kind == artwork::ArtKind::ScreenShot ? QString() : artwork::artFolderName(kind);
    showScreenShot();
}

void ListController::showScreenShot() {
    const gui::GameListView* games = shownList();
    if (!m_view.screenShots || !games)
        return;
    const catalogue::GameRecord* game = games->selectedGame();
    if (!game) {
        // An empty list leaves the last picture; a search that hides every game takes it away.
        if (games->count() > 0)
            m_panel->clearPicture();
        else
            m_panel->hideNotice();
        return;
    }
    const artwork::ArtKind kind = pictureKind();
    artwork::ArtPlaces places;
    if (const QString root = m_state.artworkPath(); !root.isEmpty())
        places.roots << root;
    if (const exec::EmulatorConfig* config =
            m_emulator.hasConfiguration() ? m_settings.emulatorConfiguration() : nullptr) {
        places.folders[0] = config->paths(QStringLiteral("snapshot_directory"));
        for (int each = 1; each < artwork::ArtKindCount; ++each)
            places.folders[size_t(each)] = config->uiPaths(QLatin1String(UiKeys[each]));
    }
    m_artwork.setPlaces(places);
    m_artwork.prepare(kind);

    // A clone shows its parent's picture of every kind when the user asks for it, as screen shots do.
    const QString parent = game->parentName();
    const QString name = m_state.preferences.cloneShots && !parent.isEmpty() ? parent : game->romName();
    std::optional<QImage> picture;
    if (exec::isPlainGameName(name)) {
        if (kind == artwork::ArtKind::ScreenShot)
            picture = pictureFile(m_emulator.screenShot(name));
        if (!picture) {
            if (const std::optional<artwork::ArtSource> source = m_artwork.find(kind, name)) {
                const std::optional<QByteArray> bytes = artwork::ArtworkLibrary::load(*source, MostPictureBytes);
                picture = bytes ? decoded(*bytes) : QImage();
            }
        }
    }
    m_panel->showPicture(picture.value_or(QImage()), artwork::missingArtText(kind));
}

} // namespace app
