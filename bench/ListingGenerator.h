#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace bench {

// One game block of a generated listing, for laying out ROM directories around it.
struct ListedGame {
    QByteArray name;
    bool clone = false;
    bool neoGeo = false;
};

struct Listing {
    QList<ListedGame> games; // in listing order, without the Neo-Geo BIOS block
    qint64 bytes = 0;
    qint64 lines = 0;
    qint64 romLines = 0;
};

// Writes an emulator game listing (-listinfo) of the given number of games, laid out as the
// emulator prints it on Linux (LF line ends): parents followed by their clones, ROM, sample,
// chip, video, sound, input and driver lines, some games without a year, some with a history,
// and the Neo-Geo BIOS block followed by the Neo-Geo run (starting with "NAM-1975") at the end.
// The same seed gives the same file. Nothing when the file cannot be written.
std::optional<Listing> writeListing(const QString& path, int games, quint64 seed);

} // namespace bench
