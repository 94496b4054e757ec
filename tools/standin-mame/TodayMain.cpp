#include "TodayMain.h"

#include "TodayAudit.h"
#include "TodayCommands.h"
#include "TodayRun.h"
#include "TodaySettings.h"
#include "TodayXml.h"

#include <algorithm>

namespace standin {
namespace {

// A hand-made listing from the file beside the program, verbatim; each machine is an item for a slow run.
void printListing(std::string_view text, std::ostream& out) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size() - 1) + 1;
        const std::string_view line = text.substr(pos, end - pos);
        if (line.substr(std::min(line.find_first_not_of(" \t"), line.size())).starts_with("<machine"))
            beginItem(out);
        out << line;
        pos = end;
    }
}

} // namespace

int runToday(const char* argv0, const TodayArgs& parsed, const std::vector<std::string>& args, const Control& control,
             std::ostream& out, std::ostream& err) {
    const std::string& command = parsed.command;
    // A game start reports an unknown system before a bad option; everything else stops at the option.
    if (!parsed.error.empty() && (!command.empty() || parsed.words.empty())) {
        err << parsed.error << '\n';
        return parsed.errorStatus;
    }
    // Today's emulator opens its menu when started bare; the stand-in has none and explains itself instead.
    if (command == "-help" || command == "-showusage" || (command.empty() && parsed.words.empty())) {
        printTodayHelp(argv0, out);
        return 0;
    }
    if (command == "-version") {
        out << "0.251 (standin)";
        return 0;
    }
    if (command == "-showconfig") {
        TodaySettings::resolve(parsed).print(out);
        return 0;
    }
    if (command == "-listxml")
        if (const auto crafted = findBesideProgram(argv0, "standin-listxml.txt")) {
            printListing(readWholeFile(*crafted).value_or(""), out);
            return 0;
        }

    const auto catalogueFile = findBesideProgram(argv0, "standin-games.dat");
    const auto listing = catalogueFile ? readWholeFile(*catalogueFile) : std::nullopt;
    if (!listing) {
        err << "error: cannot read standin-games.dat\n";
        return 1;
    }
    const Catalogue cat = Catalogue::parse(*listing);
    const std::vector<std::string>& patterns = parsed.words;
    if (command == "-listxml")
        return listXml(cat, patterns, parsed.switchOn("dtd", true), out, err);
    if (command == "-listroms")
        return listRomsToday(cat, patterns, out, err);
    if (command == "-listsamples")
        return listSamplesToday(cat, patterns, out, err);
    if (command == "-listfull")
        return listFullToday(cat, patterns, out, err);
    if (command == "-listclones")
        return listClonesToday(cat, patterns, out, err);
    if (command == "-verifyroms")
        return verifyRomsToday(cat, TodaySettings::resolve(parsed), patterns, out, err);
    if (command == "-verifysamples")
        return verifySamplesToday(cat, TodaySettings::resolve(parsed), patterns, out, err);
    return startToday(cat, parsed, args, control, err);
}

} // namespace standin
