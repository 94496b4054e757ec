// A stand-in for the command-line arcade emulator: it answers the command lines the front end uses, from a
// catalogue in the emulator's own -listinfo format, so the front end can be tested and demonstrated without
// the real emulator. It speaks the MS-DOS emulator's interface, or today's when a file "standin-today" lies
// beside it.

#include "Audit.h"
#include "Catalogue.h"
#include "Commands.h"
#include "Control.h"
#include "GameRun.h"
#include "MameCfg.h"
#include "TodayMain.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace standin;

enum class Command { None, ListInfo, VerifyRoms, VerifySets, VerifySamples, ListRoms, ListSamples, Help };

struct CommandOption {
    std::string_view option;
    Command command;
};

constexpr CommandOption kCommands[] = {
    {"-listinfo", Command::ListInfo},
    {"-verifyroms", Command::VerifyRoms},
    {"-verifysets", Command::VerifySets},
    {"-verifysamples", Command::VerifySamples},
    {"-listroms", Command::ListRoms},
    {"-listsamples", Command::ListSamples},
    {"-help", Command::Help},
    {"-?", Command::Help},
};

const CommandOption* commandOf(const std::string& arg) {
    for (const CommandOption& entry : kCommands)
        if (equalsIgnoreCase(arg, entry.option))
            return &entry;
    return nullptr;
}

bool isOption(const std::string& a) {
    return !a.empty() && a.front() == '-';
}

// The COMMAND a control file line names for this command line.
std::string classicControlKey(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (const CommandOption* entry = commandOf(a))
            return entry->command == Command::Help ? "-help" : std::string(entry->option);
    if (args.empty())
        return "-help";
    return isOption(args.front()) ? args.front() : "play";
}

int runClassic(const char* argv0, const std::vector<std::string>& args, const Control& control, std::ostream& out,
               std::ostream& err) {
    // Like the emulator, a command option may stand anywhere; the game name is the first plain word.
    Command command = Command::None;
    for (const std::string& a : args)
        if (const CommandOption* entry = commandOf(a); entry && command == Command::None)
            command = entry->command;
    const auto plain = std::find_if_not(args.begin(), args.end(), isOption);
    const std::string pattern = plain == args.end() ? "*" : *plain;

    if (command == Command::Help || args.empty()) {
        printHelp(argv0, out);
        return 0;
    }
    if (command == Command::None && isOption(args.front())) {
        err << "error: unknown option " << args.front() << '\n';
        return 1;
    }

    const auto catalogueFile = findBesideProgram(argv0, "standin-games.dat");
    const auto listing = catalogueFile ? readWholeFile(*catalogueFile) : std::nullopt;
    if (!listing) {
        err << "error: cannot read standin-games.dat\n";
        return 1;
    }
    if (command == Command::ListInfo) {
        printListInfo(*listing, out);
        return 0;
    }

    const Catalogue cat = Catalogue::parse(*listing);
    const Directories dirs = readMameCfg();
    switch (command) {
    case Command::VerifyRoms:
        return verifyRomSets(cat, dirs, pattern, RomVerify::Roms, out);
    case Command::VerifySets:
        return verifyRomSets(cat, dirs, pattern, RomVerify::Sets, out);
    case Command::VerifySamples:
        return verifySampleSets(cat, dirs, pattern, out);
    case Command::ListRoms:
        return listRoms(cat, pattern, out);
    case Command::ListSamples:
        return listSamples(cat, pattern, out);
    default:
        control.pause();
        if (control.die) {
            recordArguments(args);
            std::abort(); // a crash while the game runs: nothing of it is left
        }
        return runGame(cat, dirs, args);
    }
}

// Runs one command line under what the control file says about it.
template <typename Run>
int underControl(const char* argv0, const std::string& key, const std::vector<std::string>& args, Run run) {
    const Control control = Control::load(argv0, key, args);
    for (const std::string& line : control.stderrLines)
        std::cerr << line << '\n';
    int status = 0;
    if (control.reshapesOutput() && key != "play") {
        Transcript transcript;
        status = run(control, transcript.out(), transcript.err());
        transcript.play(control);
    } else {
        status = run(control, std::cout, std::cerr);
    }
    return control.exitCode.value_or(status);
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);

    if (findBesideProgram(argv[0], "standin-today")) {
        const TodayArgs parsed = parseTodayArgs(args);
        // Without a command or a game, the line is a bare start (help) or an option today's emulator refuses.
        const bool neither = parsed.command.empty() && parsed.words.empty();
        const std::string key = !neither ? parsed.controlKey() : args.empty() ? "-help" : args.front();
        return underControl(argv[0], key, args, [&](const Control& control, std::ostream& out, std::ostream& err) {
            return runToday(argv[0], parsed, args, control, out, err);
        });
    }
    return underControl(argv[0], classicControlKey(args), args,
                        [&](const Control& control, std::ostream& out, std::ostream& err) {
                            return runClassic(argv[0], args, control, out, err);
                        });
}
