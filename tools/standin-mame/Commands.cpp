#include "Commands.h"

#include "Control.h"

#include <algorithm>
#include <cstdio>

namespace standin {
namespace {

constexpr std::string_view kHelp = "M.A.M.E. v0.37 BETA 5 (Jul  2 2000) - Multiple Arcade Machine Emulator\n"
                                   "Copyright (C) 1997-2000 by the M.A.M.E. Team\n"
                                   "\n"
                                   "Usage:  MAME gamename [options]\n"
                                   "\n"
                                   "        MAME -list         for a brief list of supported games\n"
                                   "        MAME -listfull     for a full list of supported games\n"
                                   "        MAME -listinfo     for the full game information of every driver\n"
                                   "        MAME -listroms     for the ROMs a game requires\n"
                                   "        MAME -listsamples  for the samples a game uses\n"
                                   "        MAME -verifyroms   to check the ROM sets (gamename may be * for all)\n"
                                   "        MAME -verifysets   to check the ROM sets and list the good ones too\n"
                                   "        MAME -verifysamples to check the sample sets\n"
                                   "\n"
                                   "See readme.txt for a complete list of options.\n";

// Prints one line per game matching the pattern through `each`; reports an unknown name.
template <typename Each>
int forEachMatch(const Catalogue& cat, std::string_view pattern, std::ostream& out, Each each) {
    bool any = false;
    for (const Game& game : cat.games()) {
        if (wildcardMatch(pattern, game.name)) {
            any = true;
            beginItem(out);
            each(game);
        }
    }
    if (!any) {
        out << "Game \"" << pattern << "\" not supported\n";
        return 1;
    }
    return 0;
}

} // namespace

int listRoms(const Catalogue& cat, std::string_view pattern, std::ostream& out) {
    return forEachMatch(cat, pattern, out, [&out](const Game& game) {
        out << "This is the list of the ROMs required for driver \"" << game.name << "\".\n"
            << "Name              Size Checksum\n";
        for (const Rom& rom : game.roms) {
            char line[128];
            if (rom.goodDump)
                std::snprintf(line, sizeof line, "%-12s  %7ld bytes  %08x\n", rom.name.c_str(), rom.size, rom.crc);
            else
                std::snprintf(line, sizeof line, "%-12s  %7ld bytes  NO GOOD DUMP KNOWN\n", rom.name.c_str(), rom.size);
            out << line;
        }
    });
}

int listSamples(const Catalogue& cat, std::string_view pattern, std::ostream& out) {
    return forEachMatch(cat, pattern, out, [&out](const Game& game) {
        for (const std::string& sample : game.samples)
            out << sample << '\n';
    });
}

void printListInfo(std::string_view listing, std::ostream& out) {
    std::size_t pos = 0;
    while (pos < listing.size()) {
        const std::size_t end = std::min(listing.find('\n', pos), listing.size() - 1) + 1;
        const std::string_view line = listing.substr(pos, end - pos);
        // Each block is an item: a slow run pauses before it.
        if (line.starts_with("game (") || line.starts_with("resource ("))
            beginItem(out);
        out << line;
        pos = end;
    }
}

void printHelp(const char* argv0, std::ostream& out) {
    // A file beside the program replaces the text, so tests can offer any banner they need.
    if (const auto custom = findBesideProgram(argv0, "standin-help.txt"))
        if (const auto text = readWholeFile(*custom)) {
            out << *text;
            return;
        }
    out << kHelp;
}

} // namespace standin
