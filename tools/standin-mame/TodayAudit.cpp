#include "TodayAudit.h"

#include "Control.h"
#include "TodayRomCheck.h"

#include <cstdio>

namespace standin {
namespace {

constexpr const char* kNoSha1 = "0000000000000000000000000000000000000000";

// "%-12s: %s", without a limit on the length of either.
std::string prefix(const std::string& set, const std::string& item) {
    std::string line = set;
    if (line.size() < 12)
        line.append(12 - line.size(), ' ');
    return line + ": " + item;
}

void printRomProblem(const Game& game, const RomCheck& c, std::ostream& out) {
    const Rom& rom = *c.rom;
    if (c.state == RomState::Good)
        return;
    out << prefix(game.name, rom.name) << " (" << rom.size << " bytes) - ";
    char crc[16];
    switch (c.state) {
    case RomState::NotFound:
        out << "NOT FOUND" << (c.sharedWith.empty() ? "" : " (" + c.sharedWith + ")") << '\n';
        break;
    case RomState::NoDumpMissing:
        out << "NOT FOUND - NO GOOD DUMP KNOWN\n";
        break;
    case RomState::NoDumpFound:
        out << "NO GOOD DUMP KNOWN\n";
        break;
    case RomState::NeedsRedump:
        out << "NEEDS REDUMP\n";
        break;
    case RomState::BadChecksum:
        std::snprintf(crc, sizeof crc, "%08x", rom.crc);
        out << "INCORRECT CHECKSUM:\nEXPECTED: CRC(" << crc << ") SHA1(" << kNoSha1 << ")\n";
        std::snprintf(crc, sizeof crc, "%08x", ~rom.crc);
        out << "   FOUND: CRC(" << crc << ")\n";
        break;
    case RomState::BadLength:
        out << "INCORRECT LENGTH: " << rom.size / 2 << " bytes\n";
        break;
    case RomState::Good:
        break;
    }
}

const char* verdictText(Verdict v) {
    return v == Verdict::Bad ? "is bad" : v == Verdict::Good ? "is good" : "is best available";
}

// Counts the verdicts and ends the run as the emulator does: the summary on standard output when every set is
// fine, on standard error (exit 2) otherwise.
class Tally {
public:
    Tally(const char* setWord, const std::vector<std::string>& patterns)
        : m_setWord(setWord)
        , m_pattern(patterns.empty() ? "*" : patterns.front()) {}

    void add(Verdict v) {
        if (v == Verdict::NotFound)
            ++m_notFound;
        else
            (v == Verdict::Bad ? m_incorrect : m_correct)++;
    }

    int finish(std::ostream& out, std::ostream& err) const {
        if (m_correct + m_incorrect == 0) {
            err << m_setWord << " \"" << m_pattern << (m_notFound > 0 ? "\" not found!\n" : "\" not required!\n");
            return 2;
        }
        (m_incorrect ? err : out) << m_correct + m_incorrect << ' ' << m_setWord << "s found, " << m_correct
                                  << " were OK.\n";
        return m_incorrect ? 2 : 0;
    }

private:
    const char* m_setWord;
    std::string m_pattern;
    int m_correct = 0;
    int m_incorrect = 0;
    int m_notFound = 0;
};

void printVerdict(const char* setWord, const Game& game, Verdict v, std::ostream& out) {
    out << setWord << ' ' << game.name << ' ';
    if (!game.cloneOf.empty())
        out << '[' << game.cloneOf << "] ";
    out << verdictText(v) << '\n';
}

} // namespace

std::vector<const Game*> selectSystems(const Catalogue& cat, const std::vector<std::string>& patterns,
                                       std::string& unmatched) {
    std::vector<const Game*> selected;
    std::vector<bool> used(patterns.size(), false);
    for (const Game& game : cat.games()) {
        if (game.device)
            continue;
        bool match = patterns.empty();
        for (std::size_t i = 0; i < patterns.size(); ++i)
            if (wildcardMatch(patterns[i], game.name))
                match = used[i] = true;
        if (match)
            selected.push_back(&game);
    }
    unmatched.clear();
    for (std::size_t i = 0; i < patterns.size() && unmatched.empty(); ++i)
        if (!used[i])
            unmatched = patterns[i];
    return selected;
}

int verifyRomsToday(const Catalogue& cat, const TodaySettings& settings, const std::vector<std::string>& patterns,
                    std::ostream& out, std::ostream& err) {
    std::string unmatched;
    const auto systems = selectSystems(cat, patterns, unmatched);
    if (!unmatched.empty()) {
        err << "No matching systems found for '" << unmatched << "'\n";
        return 5;
    }
    RomFinder finder(cat, settings.paths("rompath"));
    Tally tally("romset", patterns);
    for (const Game* game : systems) {
        const SetCheck check = finder.check(*game);
        tally.add(check.verdict);
        // Sets of which nothing is there pass silently, even a named one: the summary tells.
        if (check.verdict == Verdict::NotFound)
            continue;
        beginItem(out);
        for (const RomCheck& c : check.roms)
            printRomProblem(*game, c, out);
        printVerdict("romset", *game, check.verdict, out);
    }
    return tally.finish(out, err);
}

int verifySamplesToday(const Catalogue& cat, const TodaySettings& settings, const std::vector<std::string>& patterns,
                       std::ostream& out, std::ostream& err) {
    std::string unmatched;
    const auto systems = selectSystems(cat, patterns, unmatched);
    if (!unmatched.empty()) {
        err << "No matching systems found for '" << unmatched << "'\n";
        return 5;
    }
    const auto samplePaths = settings.paths("samplepath");
    Tally tally("sampleset", patterns);
    for (const Game* game : systems) {
        if (game->samples.empty())
            continue;
        const SampleCheck check = checkSamples(*game, samplePaths);
        tally.add(check.verdict);
        if (check.verdict == Verdict::NotFound)
            continue;
        beginItem(out);
        for (const std::string& name : check.missing)
            out << prefix(game->name, name) << " - NOT FOUND\n";
        printVerdict("sampleset", *game, check.verdict, out);
    }
    return tally.finish(out, err);
}

} // namespace standin
