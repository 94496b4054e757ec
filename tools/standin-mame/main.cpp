// A stand-in for the command-line arcade emulator: it answers the command lines the front end uses, from a
// catalogue in the emulator's own -listinfo format, so the front end can be tested and demonstrated without
// the real emulator.

#include "Audit.h"
#include "Catalogue.h"
#include "Commands.h"
#include "GameRun.h"
#include "MameCfg.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace standin;

enum class Command { None, ListInfo, VerifyRoms, VerifySets, VerifySamples, ListRoms, ListSamples, Help };

Command commandOf(const std::string& arg) {
    static const std::pair<std::string_view, Command> table[] = {
        {"-listinfo", Command::ListInfo},
        {"-verifyroms", Command::VerifyRoms},
        {"-verifysets", Command::VerifySets},
        {"-verifysamples", Command::VerifySamples},
        {"-listroms", Command::ListRoms},
        {"-listsamples", Command::ListSamples},
        {"-help", Command::Help},
        {"-?", Command::Help},
    };
    for (const auto& [option, command] : table)
        if (equalsIgnoreCase(arg, option))
            return command;
    return Command::None;
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);

    // Like the emulator, a command option may stand anywhere; the game name is the first plain word.
    Command command = Command::None;
    for (const std::string& a : args)
        if (command == Command::None)
            command = commandOf(a);
    const auto isOption = [](const std::string& a) {
        return !a.empty() && a.front() == '-';
    };
    const auto plain = std::find_if_not(args.begin(), args.end(), isOption);
    const std::string pattern = plain == args.end() ? "*" : *plain;

    if (command == Command::Help || args.empty()) {
        printHelp(argv[0], std::cout);
        return 0;
    }
    if (command == Command::None && isOption(args.front())) {
        std::cerr << "error: unknown option " << args.front() << '\n';
        return 1;
    }

    const auto catalogueFile = findBesideProgram(argv[0], "standin-games.dat");
    const auto listing = catalogueFile ? readWholeFile(*catalogueFile) : std::nullopt;
    if (!listing) {
        std::cerr << "error: cannot read standin-games.dat\n";
        return 1;
    }
    if (command == Command::ListInfo) {
        std::cout << *listing;
        return 0;
    }

    const Catalogue cat = Catalogue::parse(*listing);
    const Directories dirs = readMameCfg();
    switch (command) {
    case Command::VerifyRoms:
        return verifyRomSets(cat, dirs, pattern, RomVerify::Roms, std::cout);
    case Command::VerifySets:
        return verifyRomSets(cat, dirs, pattern, RomVerify::Sets, std::cout);
    case Command::VerifySamples:
        return verifySampleSets(cat, dirs, pattern, std::cout);
    case Command::ListRoms:
        return listRoms(cat, pattern, std::cout);
    case Command::ListSamples:
        return listSamples(cat, pattern, std::cout);
    default:
        return runGame(cat, dirs, args);
    }
}
