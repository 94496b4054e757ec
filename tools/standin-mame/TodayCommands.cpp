#include "TodayCommands.h"

#include "Control.h"
#include "TodayAudit.h"
#include "TodayRomCheck.h"

#include <cstdio>

namespace standin {
namespace {

constexpr std::string_view kHelp = "MAME v0.251 (standin)\n"
                                   "Copyright MAMEdev and contributors\n"
                                   "\n"
                                   "A stand-in for the arcade emulator: it answers from the catalogue beside it.\n"
                                   "\n"
                                   "Usage:  mame [machine] [options]\n"
                                   "\n"
                                   "        mame -showconfig    to show the current configuration\n"
                                   "        mame -listxml       for the machines in XML\n"
                                   "        mame -listroms      for the ROMs a machine requires\n"
                                   "        mame -listsamples   for the samples a machine uses\n"
                                   "        mame -verifyroms    to check the ROM sets\n"
                                   "        mame -verifysamples to check the sample sets\n";

constexpr const char* kNoSha1 = "0000000000000000000000000000000000000000";

// Runs `each` for the systems the patterns select, or reports the first pattern that selects nothing.
template <typename Each>
int forSystems(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& err, Each each) {
    std::string unmatched;
    const auto systems = selectSystems(cat, patterns, unmatched);
    if (!unmatched.empty()) {
        err << "No matching systems found for '" << unmatched << "'\n";
        return 5;
    }
    for (const Game* game : systems)
        each(*game);
    return 0;
}

} // namespace

void printTodayHelp(const char* argv0, std::ostream& out) {
    if (const auto custom = findBesideProgram(argv0, "standin-help.txt"))
        if (const auto text = readWholeFile(*custom)) {
            out << *text;
            return;
        }
    out << kHelp;
}

int listRomsToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out,
                  std::ostream& err) {
    bool first = true;
    return forSystems(cat, patterns, err, [&](const Game& game) {
        beginItem(out);
        out << (first ? "" : "\n");
        first = false;
        if (game.roms.empty()) {
            out << "No ROMs required for driver \"" << game.name << "\".\n";
            return;
        }
        out << "ROMs required for driver \"" << game.name << "\".\n"
            << "Name                                   Size Checksum\n";
        for (const Rom& rom : game.roms) {
            char line[160];
            if (rom.noDump)
                std::snprintf(line, sizeof line, "%-32s %10ld NO GOOD DUMP KNOWN\n", rom.name.c_str(), rom.size);
            else
                std::snprintf(line, sizeof line, "%-32s %10ld %sCRC(%08x) SHA1(%s)%s\n", rom.name.c_str(), rom.size,
                              rom.goodDump ? "" : "BAD ", rom.crc, kNoSha1, rom.goodDump ? "" : " BAD_DUMP");
            out << line;
        }
    });
}

int listSamplesToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out,
                     std::ostream& err) {
    bool first = true;
    return forSystems(cat, patterns, err, [&](const Game& game) {
        if (game.samples.empty())
            return;
        beginItem(out);
        out << (first ? "" : "\n") << "Samples required for driver \"" << game.name << "\".\n";
        first = false;
        for (const std::string& sample : game.samples)
            out << sampleName(sample) << '\n';
    });
}

int listFullToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out,
                  std::ostream& err) {
    bool header = false;
    return forSystems(cat, patterns, err, [&](const Game& game) {
        if (!header)
            out << "Name:             Description:\n";
        header = true;
        char name[64];
        std::snprintf(name, sizeof name, "%-17s", game.name.c_str());
        beginItem(out);
        out << name << " \"" << (game.description.empty() ? game.name : game.description) << "\"\n";
    });
}

int listClonesToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out,
                    std::ostream& err) {
    bool header = false;
    return forSystems(cat, patterns, err, [&](const Game& game) {
        if (game.cloneOf.empty())
            return;
        if (!header)
            out << "Name:            Clone of:\n";
        header = true;
        char name[64];
        std::snprintf(name, sizeof name, "%-16s", game.name.c_str());
        beginItem(out);
        out << name << ' ' << game.cloneOf << '\n';
    });
}

} // namespace standin
