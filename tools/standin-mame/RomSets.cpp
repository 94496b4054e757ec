#include "RomSets.h"

#include <string>

namespace standin {

Markers readMarkers(const std::filesystem::path& file) {
    const std::string content = readWholeFile(file).value_or("");
    Markers markers;
    markers.badCrc = content.find("BADCRC") != std::string::npos;
    markers.badLength = content.find("BADLEN") != std::string::npos;
    markers.missingLast = content.find("MISSING") != std::string::npos;
    return markers;
}

std::vector<const Game*> ancestors(const Game& game, const Catalogue& cat) {
    std::vector<const Game*> chain;
    // Bounded, so a listing whose romof lines run in a circle cannot hang us.
    for (const Game* g = cat.find(game.romOf); g && chain.size() < 8; g = cat.find(g->romOf))
        chain.push_back(g);
    return chain;
}

bool romInSet(const Game& set, std::uint32_t crc) {
    for (const Rom& r : set.roms)
        if (r.crc == crc)
            return true;
    return false;
}

} // namespace standin
