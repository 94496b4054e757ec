#pragma once

#include <QString>

// The kinds of pictures users collect of their games, in the order they are offered.
namespace artwork {

enum class ArtKind { ScreenShot, Title, Flyer, Marquee, Cabinet, ControlPanel, Board };
constexpr int ArtKindCount = 7;

// The folder (and pack) name the kind is kept under: "snap", "titles", ...
QString artFolderName(ArtKind kind);
// The kind as the window names it: "Screen Shot", "Title", ...
QString artCaption(ArtKind kind);
// What is shown in place of a missing picture of the kind.
QString missingArtText(ArtKind kind);

} // namespace artwork
