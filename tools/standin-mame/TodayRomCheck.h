#pragma once

#include "Catalogue.h"
#include "RomSets.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace standin {

enum class RomState { Good, NotFound, BadChecksum, BadLength, NoDumpFound, NoDumpMissing, NeedsRedump };

struct RomCheck {
    const Rom* rom = nullptr;
    RomState state = RomState::Good;
    std::string sharedWith; // the ancestor set that also holds this ROM, if any
};

enum class Verdict { NotFound, Good, Bad, BestAvailable };

struct SetCheck {
    std::vector<RomCheck> roms;
    Verdict verdict = Verdict::Good;
};

// Finds ROMs as today's emulator does: in each set of the romof chain, in each rompath directory, as a folder
// NAME/, then NAME.zip, then NAME.7z. Archives count as holding their game's ROMs (marker words aside); a folder
// holds the files that are in it.
class RomFinder {
public:
    RomFinder(const Catalogue& cat, std::vector<std::filesystem::path> romPaths);

    SetCheck check(const Game& game);

private:
    RomState locate(const Rom& rom, const std::vector<const Game*>& chain, const Game& game);
    const Markers& markersOf(const std::filesystem::path& file);

    const Catalogue& m_cat;
    std::vector<std::filesystem::path> m_romPaths;
    std::map<std::filesystem::path, Markers> m_markers; // archives are read once per run
};

// A sample set as today's emulator looks for it: a folder of files or an archive, in each samplepath directory.
struct SampleCheck {
    std::vector<std::string> missing; // sample names without extension
    Verdict verdict = Verdict::Good;
};

SampleCheck checkSamples(const Game& game, const std::vector<std::filesystem::path>& samplePaths);

// A sample as today's emulator names it: without its ".wav".
std::string sampleName(const std::string& listed);

} // namespace standin
