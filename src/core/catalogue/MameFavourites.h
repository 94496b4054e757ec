#pragma once

#include "core/catalogue/GameRecord.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

namespace catalogue {

// Today's emulator's own favourites (favorites.ini in its ui_path), as its menu writes them: a
// "[ROOT_FOLDER]" and a "[Favorite]" line and an empty one, then sixteen lines per entry: short
// name, description, parent, year, maker, supported, part, driver, list name, interface,
// instance, start empty (1 for a machine), parent description, usage, device type, available.
struct MameFavourite {
    QList<QByteArray> lines; // the sixteen, as written
    // The machine of a machine's own entry (start empty); empty for a software item.
    QString machine() const;
};
MameFavourite mameFavourite(const GameRecord& game);
QByteArray mameFavouritesFile(const QList<MameFavourite>& entries);

// The entries of a favourites file; nothing when the bytes are no such file.
std::optional<QList<MameFavourite>> readMameFavourites(QByteArrayView bytes);

} // namespace catalogue
