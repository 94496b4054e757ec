#include "TodayRomCheck.h"

#include <system_error>
#include <utility>

namespace standin {
namespace {

namespace fs = std::filesystem;

// The same ROM: itself, or one with the same (real) checksum in another set.
bool sameRom(const Rom& a, const Rom& b) {
    return &a == &b || (a.crc == b.crc && !a.noDump && !b.noDump);
}

const Rom* romLike(const Game& set, const Rom& rom) {
    for (const Rom& r : set.roms)
        if (sameRom(r, rom))
            return &r;
    return nullptr;
}

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

Verdict verdictOf(const std::vector<RomCheck>& roms) {
    if (roms.empty())
        return Verdict::BestAvailable; // nothing needed, nothing missing
    int required = 0, sharedRequired = 0, found = 0, sharedFound = 0;
    bool bad = false, imperfect = false;
    for (const RomCheck& c : roms) {
        bad =
            bad || c.state == RomState::NotFound || c.state == RomState::BadChecksum || c.state == RomState::BadLength;
        imperfect = imperfect || c.state == RomState::NoDumpFound || c.state == RomState::NoDumpMissing ||
                    c.state == RomState::NeedsRedump;
        if (c.rom->noDump)
            continue;
        const bool shared = !c.sharedWith.empty();
        const bool isFound = c.state != RomState::NotFound;
        required += 1;
        sharedRequired += shared;
        found += isFound;
        sharedFound += shared && isFound;
    }
    // As the emulator decides: nothing of the set's own, only what its parent lends, is no set at all.
    if (found == sharedFound && required > 0 && (required != sharedRequired || sharedFound == 0))
        return Verdict::NotFound;
    return bad ? Verdict::Bad : imperfect ? Verdict::BestAvailable : Verdict::Good;
}

} // namespace

RomFinder::RomFinder(const Catalogue& cat, std::vector<fs::path> romPaths)
    : m_cat(cat)
    , m_romPaths(std::move(romPaths)) {}

const Markers& RomFinder::markersOf(const fs::path& file) {
    auto it = m_markers.find(file);
    if (it == m_markers.end())
        it = m_markers.emplace(file, readMarkers(file)).first;
    return it->second;
}

RomState RomFinder::locate(const Rom& rom, const std::vector<const Game*>& chain, const Game& game) {
    for (const Game* set : chain) {
        const Rom* inSet = set == &game ? &rom : romLike(*set, rom);
        if (!inSet)
            continue;
        for (const fs::path& dir : m_romPaths) {
            // A folder holds real files: the markers are in the file itself.
            const fs::path file = dir / set->name / inSet->name;
            if (isFolder(dir / set->name) && isFile(file)) {
                if (rom.noDump)
                    return RomState::NoDumpFound;
                const Markers& m = markersOf(file);
                return m.badCrc ? RomState::BadChecksum : m.badLength ? RomState::BadLength : RomState::Good;
            }
            if (rom.noDump)
                continue; // no archive can hold what nobody has dumped
            for (const char* extension : {".zip", ".7z"}) {
                const fs::path archive = dir / (set->name + extension);
                if (!isFile(archive))
                    continue;
                const Markers& m = markersOf(archive);
                if (m.missingLast && sameRom(set->roms.back(), *inSet))
                    continue;
                const bool first = sameRom(set->roms.front(), *inSet);
                return m.badCrc && first      ? RomState::BadChecksum
                       : m.badLength && first ? RomState::BadLength
                                              : RomState::Good;
            }
        }
    }
    return rom.noDump ? RomState::NoDumpMissing : RomState::NotFound;
}

SetCheck RomFinder::check(const Game& game) {
    std::vector<const Game*> chain{&game};
    for (const Game* g : ancestors(game, m_cat))
        chain.push_back(g);

    SetCheck result;
    for (const Rom& rom : game.roms) {
        RomCheck c;
        c.rom = &rom;
        c.state = locate(rom, chain, game);
        if (c.state == RomState::Good && !rom.goodDump)
            c.state = RomState::NeedsRedump;
        for (std::size_t i = 1; i < chain.size(); ++i)
            if (romLike(*chain[i], rom))
                c.sharedWith = chain[i]->name; // the furthest ancestor, where the ROM really belongs
        result.roms.push_back(c);
    }
    result.verdict = verdictOf(result.roms);
    return result;
}

std::string sampleName(const std::string& listed) {
    const std::size_t dot = listed.rfind('.');
    if (dot != std::string::npos && equalsIgnoreCase(std::string_view(listed).substr(dot), ".wav"))
        return listed.substr(0, dot);
    return listed;
}

SampleCheck checkSamples(const Game& game, const std::vector<fs::path>& samplePaths) {
    const std::string& set = game.sampleSetName();
    SampleCheck result;
    std::size_t found = 0;
    for (const std::string& listed : game.samples) {
        const std::string name = sampleName(listed);
        bool present = false;
        for (const fs::path& dir : samplePaths) {
            const fs::path folder = dir / set;
            present = present || isFile(dir / (set + ".zip")) || isFile(dir / (set + ".7z")) ||
                      isFile(folder / listed) || isFile(folder / (name + ".wav")) || isFile(folder / (name + ".flac"));
        }
        if (present)
            ++found;
        else
            result.missing.push_back(name);
    }
    result.verdict = found == 0 ? Verdict::NotFound : result.missing.empty() ? Verdict::Good : Verdict::Bad;
    return result;
}

} // namespace standin
