#pragma once

#include "core/exec/Emulator.h"

#include <QSet>
#include <QString>

#include <optional>

namespace catalogue {

// What the catalogue file cannot say itself, kept beside it: which emulator interface it was
// built from, where today's Neo-Geo run begins (the classic catalogue finds it by its first
// game's description), and which games need no ROM file.
struct CatalogueInfo {
    exec::Interface interface = exec::Interface::Classic;
    int neoGeoFrom = -1; // the first Neo-Geo game's position, counted from 0; -1: by description
    QSet<QString> romless;

    bool operator==(const CatalogueInfo&) const = default;
};

// Nothing when the file is missing or names no interface.
std::optional<CatalogueInfo> readCatalogueInfo(const QString& path);
bool writeCatalogueInfo(const QString& path, const CatalogueInfo& info);

} // namespace catalogue
