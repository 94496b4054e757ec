#pragma once

#include "TodayArgs.h"

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace standin {

// The directories and names today's emulator works with: from the command line, else from the first mame.ini
// on the inipath, else built in.
class TodaySettings {
public:
    static TodaySettings resolve(const TodayArgs& args);

    // The value as written, "$HOME" and all.
    const std::string& raw(const std::string& key) const;
    // A ';' list of directories, "$HOME" expanded; relative ones stay relative to the working directory.
    std::vector<std::filesystem::path> paths(const std::string& key) const;
    std::filesystem::path path(const std::string& key) const;

    // -showconfig: one "key value" line per option, in the layout of mame.ini.
    void print(std::ostream& out) const;
    // What a game start read: "Parsing NAME.ini" for each per-system ini file, as -verbose says,
    // then the options as they came out.
    std::string parsedReport() const;

private:
    std::map<std::string, std::string> m_values;
    std::vector<std::string> m_parsed;
};

// The "key value" lines of a mame.ini: blanks between, the value in double quotes when it holds blanks, '#' for
// comments, UTF-8 with or without byte-order mark, CR LF or LF.
std::map<std::string, std::string> parseMameIni(std::string_view text);

} // namespace standin
