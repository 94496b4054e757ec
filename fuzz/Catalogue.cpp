// The catalogue file read into the three lists.
#include "FuzzSupport.h"

#include "core/catalogue/CatalogueLoader.h"

#include <QDir>
#include <QHash>

namespace {

QString romFolder() {
    const QString folder = fuzz::scratchPath(QStringLiteral("roms"));
    QDir().mkpath(folder);
    for (const char* set : {"pong.zip", "puckman.zip", "galwar.zip", "nam1975.zip"})
        fuzz::writeFile(QDir(folder).filePath(QLatin1String(set)), "PK");
    return folder + QDir::separator();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("gameinfo.txt"));
    static const QString roms = romFolder();
    const QByteArrayView input = fuzz::bytes(data, size);
    fuzz::writeFile(path, input);

    const size_t hash = qHash(input);
    catalogue::LoadSettings settings;
    settings.cataloguePath = path;
    settings.romPath = roms;
    settings.neoRomPath = roms;
    settings.hideClones = hash & 1;
    settings.neoGeoFrom = hash & 2 ? int(hash >> 2) % 8 : -1;
    fuzz::NoProgress progress;
    qsizetype counted = 0;
    for (config::ListChoice choice : {config::ListChoice::Retro, config::ListChoice::NeoGeo, config::ListChoice::All}) {
        const catalogue::GameLists lists = catalogue::loadGames(choice, settings, progress);
        fuzz::expect(!lists.missing, "the catalogue is there");
        fuzz::expect(lists.all.size() == lists.installed.size() + lists.uninstalled.size(),
                     "every game is installed or not");
        if (choice != config::ListChoice::All)
            counted += lists.all.size();
        else
            fuzz::expect(counted <= lists.all.size(), "the Retro and Neo-Geo lists do not overlap");
    }
    return 0;
}
