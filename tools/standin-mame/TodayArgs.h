#pragma once

#include <map>
#include <string>
#include <vector>

namespace standin {

// A command line as today's emulator reads it: options anywhere, those taking a value consume the next argument,
// plain words are the system name or the patterns of a command.
struct TodayArgs {
    std::string command;                       // "-listxml", "-verifyroms" ...; empty for a game start
    std::vector<std::string> words;            // names and patterns, in order
    std::map<std::string, std::string> values; // options with a value, by their full name without "-"
    std::map<std::string, bool> switches;      // boolean options; "-noX" stores false
    std::string error;                         // the first problem, worded as the emulator words it
    int errorStatus = 0;
    // A game start's per-system ini files, in the order they are read ("vertical.ini",
    // "raster.ini", "pong.ini"); empty for other commands.
    std::vector<std::string> systemInis;

    bool switchOn(const std::string& name, bool fallback = false) const;
    // The COMMAND of a control file line that concerns this run.
    std::string controlKey() const { return command.empty() ? "play" : command; }
};

TodayArgs parseTodayArgs(const std::vector<std::string>& args);

} // namespace standin
