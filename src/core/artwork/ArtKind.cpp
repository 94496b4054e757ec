#include "core/artwork/ArtKind.h"

namespace artwork {

namespace {

struct KindNames {
    const char* folder;
    const char* caption;
};

constexpr KindNames Names[ArtKindCount] = {
    {"snap", "Screen Shot"}, {"titles", "Title"},         {"flyers", "Flyer"}, {"marquees", "Marquee"},
    {"cabinets", "Cabinet"}, {"cpanel", "Control Panel"}, {"pcb", "Board"},
};

const KindNames& namesOf(ArtKind kind) {
    return Names[qBound(0, int(kind), ArtKindCount - 1)];
}

} // namespace

QString artFolderName(ArtKind kind) {
    return QString::fromLatin1(namesOf(kind).folder);
}

QString artCaption(ArtKind kind) {
    return QString::fromLatin1(namesOf(kind).caption);
}

QString missingArtText(ArtKind kind) {
    return QStringLiteral("THERE IS NO %1 FOR THIS GAME").arg(artCaption(kind).toUpper());
}

} // namespace artwork
