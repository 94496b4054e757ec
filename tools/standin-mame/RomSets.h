#pragma once

#include "Catalogue.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace standin {

// The stand-in's way to have a damaged ROM archive (or ROM file): marker words anywhere in it. BADCRC or BADLEN
// spoil the first ROM, MISSING drops the last one.
struct Markers {
    bool badCrc = false;
    bool badLength = false;
    bool missingLast = false;
};

Markers readMarkers(const std::filesystem::path& file);

// The sets the loader falls back to for a ROM missing from the game's own set: the romof chain, nearest first.
std::vector<const Game*> ancestors(const Game& game, const Catalogue& cat);

bool romInSet(const Game& set, std::uint32_t crc);

} // namespace standin
