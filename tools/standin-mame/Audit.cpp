#include "Audit.h"

#include "Control.h"
#include "RomSets.h"

#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

namespace standin {
namespace {

enum class Result { NotFound, Good, Bad, BestAvailable };

struct SetAudit {
    Result result = Result::Good;
    std::vector<std::string> lines;
};

std::string format(const char* fmt, auto... args) {
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

std::optional<std::filesystem::path> findRomZip(const Directories& dirs, const std::string& name) {
    return findIn(dirs.romPaths, name + ".zip");
}

SetAudit auditRomSet(const Game& game, const Catalogue& cat, const Directories& dirs) {
    SetAudit audit;
    if (game.roms.empty())
        return audit;

    const auto own = findRomZip(dirs, game.name);
    const Game* parent = game.cloneOf.empty() ? nullptr : cat.find(game.cloneOf);
    const bool parentPresent = parent && findRomZip(dirs, parent->name);

    std::vector<const Game*> present;
    for (const Game* g : ancestors(game, cat))
        if (findRomZip(dirs, g->name))
            present.push_back(g);

    const Markers markers = own ? readMarkers(*own) : Markers{};
    const bool badCrc = markers.badCrc;
    const bool badLength = markers.badLength;
    const bool missingLast = markers.missingLast;
    const std::size_t last = game.roms.size() - 1;

    bool problem = false, noGoodDump = false;
    int uniqueFound = 0;
    for (std::size_t i = 0; i < game.roms.size(); ++i) {
        const Rom& rom = game.roms[i];
        const char* set = game.name.c_str();
        const char* name = rom.name.c_str();
        bool found = own && !(missingLast && i == last);
        for (const Game* g : present)
            found = found || romInSet(*g, rom.crc);
        if (found && parent && !romInSet(*parent, rom.crc))
            ++uniqueFound;

        if (!rom.goodDump) {
            audit.lines.push_back(format("%-8s: %-12s %7ld bytes NO GOOD DUMP KNOWN", set, name, rom.size));
            noGoodDump = true;
        } else if (!found) {
            audit.lines.push_back(format("%-8s: %-12s %7ld bytes %08x NOT FOUND", set, name, rom.size, rom.crc));
            problem = true;
        } else if (own && i == 0 && badCrc) {
            audit.lines.push_back(
                format("%-8s: %-12s %7ld bytes %08x INCORRECT CHECKSUM: %08x", set, name, rom.size, rom.crc, ~rom.crc));
            problem = true;
        } else if (own && i == 0 && badLength) {
            audit.lines.push_back(format("%-8s: %-12s %7ld bytes %08x INCORRECT LENGTH: %8ld", set, name, rom.size,
                                         rom.crc, rom.size / 2));
            problem = true;
        }
    }

    if (!own && !parentPresent)
        audit.result = Result::NotFound;
    else if (parent && uniqueFound == 0)
        audit.result = Result::NotFound; // only the parent's archive is there: nothing of this clone itself
    else if (problem)
        audit.result = Result::Bad;
    else if (noGoodDump)
        audit.result = Result::BestAvailable;
    return audit;
}

SetAudit auditSampleSet(const Game& game, const Directories& dirs) {
    SetAudit audit;
    const std::string& setName = game.sampleSetName();
    std::error_code ec;
    std::optional<std::filesystem::path> folder;
    for (const auto& dir : dirs.samplePaths)
        if (!folder && std::filesystem::is_directory(dir / setName, ec))
            folder = dir / setName;
    const bool zip = !folder && findIn(dirs.samplePaths, setName + ".zip");

    if (!folder && !zip)
        audit.result = Result::NotFound;
    for (const std::string& sample : game.samples) {
        // A folder set is checked file by file; an archive is taken as complete.
        const bool found = zip || (folder && std::filesystem::exists(*folder / sample, ec));
        if (!found) {
            audit.lines.push_back(format("%-8s: %s NOT FOUND", game.name.c_str(), sample.c_str()));
            if (audit.result == Result::Good)
                audit.result = Result::Bad;
        }
    }
    return audit;
}

// Shared tail of both verify runs: the per-set verdicts, the summary and the exit status.
class Tally {
public:
    Tally(std::ostream& out, std::string_view pattern, const char* setWord)
        : m_out(out)
        , m_pattern(pattern)
        , m_setWord(setWord)
        , m_named(!hasWildcard(pattern)) {}

    bool named() const { return m_named; }
    void matched() { m_matched = true; }

    void report(const Game& game, const SetAudit& audit, bool printGood) {
        Result result = audit.result;
        if (result == Result::NotFound) {
            // A whole-collection run passes over sets it finds nothing of; a named set is always answered.
            if (!m_named)
                return;
            result = Result::Bad;
        }
        beginItem(m_out);
        for (const std::string& line : audit.lines)
            m_out << line << '\n';
        const bool ok = result != Result::Bad;
        (ok ? m_correct : m_incorrect)++;
        if (result == Result::Good && !printGood)
            return;
        m_out << m_setWord << ' ' << game.name << ' ';
        if (!game.cloneOf.empty() && m_setWord == std::string_view("romset"))
            m_out << '[' << game.cloneOf << "] ";
        m_out << (result == Result::Bad ? "is bad" : result == Result::Good ? "is good" : "is best available") << '\n';
    }

    int finish() {
        if (!m_matched) {
            m_out << m_setWord << " \"" << m_pattern << "\" not found!\n";
            return 1;
        }
        m_out << m_correct + m_incorrect << ' ' << m_setWord << "s found, " << m_correct << " were OK.\n";
        return m_incorrect > 0 ? 2 : 0;
    }

private:
    std::ostream& m_out;
    std::string_view m_pattern;
    const char* m_setWord;
    bool m_named;
    bool m_matched = false;
    int m_correct = 0;
    int m_incorrect = 0;
};

} // namespace

int verifyRomSets(const Catalogue& cat, const Directories& dirs, std::string_view pattern, RomVerify mode,
                  std::ostream& out) {
    Tally tally(out, pattern, "romset");
    for (const Game& game : cat.games()) {
        if (!wildcardMatch(pattern, game.name) || (game.bios && !tally.named()))
            continue;
        tally.matched();
        tally.report(game, auditRomSet(game, cat, dirs), mode == RomVerify::Sets || tally.named());
    }
    return tally.finish();
}

int verifySampleSets(const Catalogue& cat, const Directories& dirs, std::string_view pattern, std::ostream& out) {
    Tally tally(out, pattern, "sampleset");
    for (const Game& game : cat.games()) {
        if (!wildcardMatch(pattern, game.name) || (game.bios && !tally.named()))
            continue;
        tally.matched();
        if (!game.samples.empty())
            tally.report(game, auditSampleSet(game, dirs), true);
    }
    return tally.finish();
}

} // namespace standin
