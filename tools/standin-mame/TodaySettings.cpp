#include "TodaySettings.h"

#include "Catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace standin {
namespace {

namespace fs = std::filesystem;

struct Default {
    const char* key;
    const char* value;
};

struct Section {
    const char* title;
    std::vector<Default> options;
};

const std::vector<Section>& sections() {
    static const std::vector<Section> all = {
        {"CORE CONFIGURATION OPTIONS", {{"readconfig", "1"}, {"writeconfig", "0"}}},
        {"CORE SEARCH PATH OPTIONS",
         {{"homepath", "."}, {"rompath", "roms"}, {"samplepath", "samples"}, {"inipath", "$HOME/.mame;.;ini"}}},
        {"CORE OUTPUT DIRECTORY OPTIONS",
         {{"cfg_directory", "cfg"}, {"nvram_directory", "nvram"}, {"snapshot_directory", "snap"}}},
        {"CORE STATE/PLAYBACK OPTIONS", {{"snapname", "%g/%i"}}},
        // Debian's values: its /etc/mame/mame.ini sets the video, the window and the mouse.
        {"CORE PERFORMANCE OPTIONS", {{"autoframeskip", "0"}, {"frameskip", "0"}}},
        {"CORE ROTATION OPTIONS", {{"rotate", "1"}, {"ror", "0"}, {"rol", "0"}, {"flipx", "0"}, {"flipy", "0"}}},
        {"CORE SCREEN OPTIONS", {{"brightness", "1.0"}, {"contrast", "1.0"}, {"gamma", "1.0"}}},
        {"CORE SOUND OPTIONS", {{"samplerate", "48000"}, {"samples", "1"}, {"volume", "0"}}},
        {"CORE INPUT OPTIONS", {{"mouse", "1"}, {"joystick", "1"}, {"lightgun", "0"}}},
        {"CORE MISC OPTIONS", {{"cheat", "0"}, {"skip_gameinfo", "0"}}},
        {"OSD VIDEO OPTIONS",
         {{"video", "opengl"},
          {"window", "0"},
          {"maximize", "1"},
          {"keepaspect", "1"},
          {"waitvsync", "0"},
          {"switchres", "0"},
          {"resolution", "auto"},
          {"filter", "1"}}},
        {"OSD SOUND OPTIONS", {{"sound", "auto"}}},
        {"SCRIPTING OPTIONS", {{"plugins", "1"}, {"plugin", ""}, {"noplugin", ""}}},
    };
    return all;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::string expandHome(std::string value) {
    const char* home = std::getenv("HOME");
    for (std::size_t at = value.find("$HOME"); at != std::string::npos; at = value.find("$HOME", at))
        value.replace(at, 5, home ? home : "");
    return value;
}

std::vector<fs::path> splitPaths(const std::string& value) {
    std::vector<fs::path> out;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t semi = std::min(value.find(';', start), value.size());
        const std::string_view part = trim(std::string_view(value).substr(start, semi - start));
        if (!part.empty())
            out.emplace_back(expandHome(std::string(part)));
        start = semi + 1;
    }
    return out;
}

} // namespace

std::map<std::string, std::string> parseMameIni(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::map<std::string, std::string> values;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == '#')
            continue;

        const std::size_t blank = std::min(line.find_first_of(" \t"), line.size());
        std::string key(line.substr(0, blank));
        for (char& c : key)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        std::string_view value = trim(line.substr(blank));
        if (value.starts_with('"')) {
            const std::size_t close = value.find('"', 1);
            value = value.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        } else {
            // A comment may follow the value after a blank.
            for (std::size_t i = 1; i < value.size(); ++i)
                if (value[i] == '#' && (value[i - 1] == ' ' || value[i - 1] == '\t')) {
                    value = trim(value.substr(0, i));
                    break;
                }
        }
        values[key] = std::string(value);
    }
    return values;
}

TodaySettings TodaySettings::resolve(const TodayArgs& args) {
    TodaySettings settings;
    for (const Section& section : sections())
        for (const Default& d : section.options)
            settings.m_values[d.key] = d.value;
    if (const auto it = args.values.find("inipath"); it != args.values.end())
        settings.m_values["inipath"] = it->second;

    if (args.switchOn("readconfig", true)) {
        std::error_code ec;
        for (const fs::path& dir : settings.paths("inipath")) {
            const fs::path ini = dir / "mame.ini";
            if (!fs::is_regular_file(ini, ec))
                continue;
            for (const auto& [key, value] : parseMameIni(readWholeFile(ini).value_or("")))
                if (key != "inipath" || !args.values.contains("inipath"))
                    settings.m_values[key] = value;
            break;
        }
    }
    // The per-system ini files, in the emulator's order, each from the first inipath folder that
    // has it, over mame.ini.
    std::error_code ec;
    for (const std::string& name : args.systemInis) {
        for (const fs::path& dir : settings.paths("inipath")) {
            const fs::path ini = dir / name;
            if (!fs::is_regular_file(ini, ec))
                continue;
            for (const auto& [key, value] : parseMameIni(readWholeFile(ini).value_or("")))
                settings.m_values[key] = value;
            settings.m_parsed.push_back(name);
            break;
        }
    }
    // The command line beats the ini files.
    for (const auto& [key, value] : args.values)
        settings.m_values[key] = value;
    for (const auto& [key, on] : args.switches)
        settings.m_values[key] = on ? "1" : "0";
    return settings;
}

const std::string& TodaySettings::raw(const std::string& key) const {
    static const std::string none;
    const auto it = m_values.find(key);
    return it == m_values.end() ? none : it->second;
}

std::vector<fs::path> TodaySettings::paths(const std::string& key) const {
    return splitPaths(raw(key));
}

fs::path TodaySettings::path(const std::string& key) const {
    return fs::path(expandHome(raw(key)));
}

std::string TodaySettings::parsedReport() const {
    std::string report;
    for (const std::string& name : m_parsed)
        report += "Parsing " + name + '\n';
    for (const Section& section : sections())
        for (const Default& d : section.options)
            report += std::string(d.key) + ' ' + raw(d.key) + '\n';
    return report;
}

void TodaySettings::print(std::ostream& out) const {
    bool first = true;
    for (const Section& section : sections()) {
        out << (first ? "" : "\n") << "#\n# " << section.title << "\n#\n";
        first = false;
        for (const Default& d : section.options) {
            const std::string& value = raw(d.key);
            const bool quote = value.find_first_of(" \t") != std::string::npos;
            char key[32];
            std::snprintf(key, sizeof key, "%-25s ", d.key);
            out << key << (quote ? "\"" + value + "\"" : value) << '\n';
        }
    }
}

} // namespace standin
