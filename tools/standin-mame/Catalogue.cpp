#include "Catalogue.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace standin {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> words(std::string_view s) {
    std::vector<std::string> out;
    std::istringstream in{std::string(s)};
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// "rom ( name a.1 size 4096 crc 0123abcd region cpu1 offs 0 )": keyword/value pairs between the parentheses.
Rom parseRom(std::string_view rest) {
    Rom rom;
    const auto w = words(rest);
    for (std::size_t i = 0; i < w.size(); ++i) {
        const bool hasValue = i + 1 < w.size();
        if (w[i] == "name" && hasValue)
            rom.name = w[++i];
        else if (w[i] == "size" && hasValue)
            rom.size = std::strtol(w[++i].c_str(), nullptr, 10);
        else if (w[i] == "crc" && hasValue)
            rom.crc = static_cast<std::uint32_t>(std::strtoul(w[++i].c_str(), nullptr, 16));
        else if (w[i] == "region" && hasValue)
            rom.region = w[++i];
        else if (w[i] == "offs" && hasValue)
            rom.offset = w[++i];
        else if (w[i] == "baddump")
            rom.goodDump = false;
        else if (w[i] == "nodump")
            rom.noDump = true;
    }
    // A zero CRC is how a listing writes a ROM nobody has dumped.
    rom.noDump = rom.noDump || rom.crc == 0;
    rom.goodDump = rom.goodDump && !rom.noDump;
    return rom;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

Catalogue Catalogue::parse(std::string_view listing) {
    Catalogue cat;
    Game* current = nullptr;
    std::size_t pos = 0;
    while (pos < listing.size()) {
        std::size_t end = listing.find('\n', pos);
        if (end == std::string_view::npos)
            end = listing.size();
        const std::string_view line = trim(listing.substr(pos, end - pos));
        pos = end + 1;

        if (line == "game (" || line == "resource (") {
            cat.m_games.push_back(Game{});
            current = &cat.m_games.back();
            current->bios = line.front() == 'r';
            continue;
        }
        if (!current)
            continue;
        if (line == ")") {
            current = nullptr;
            continue;
        }
        const std::size_t blank = line.find(' ');
        const std::string_view key = line.substr(0, blank);
        const std::string_view value = blank == std::string_view::npos ? std::string_view{} : trim(line.substr(blank));
        if (key == "name") {
            current->name = value;
            // The listing carries the Neo-Geo system as an ordinary block; it cannot be run on its own.
            if (current->name == "neogeo")
                current->bios = true;
        } else if (key == "cloneof") {
            current->cloneOf = value;
        } else if (key == "romof") {
            current->romOf = value;
        } else if (key == "sampleof") {
            current->sampleOf = value;
        } else if (key == "sample") {
            current->samples.emplace_back(value);
        } else if (key == "rom") {
            current->roms.push_back(parseRom(value));
        } else {
            parseDetail(*current, key, value);
        }
    }
    for (std::size_t i = 0; i < cat.m_games.size(); ++i)
        cat.m_index.emplace(lower(cat.m_games[i].name), i); // the first of equal names wins
    return cat;
}

const Game* Catalogue::find(std::string_view name) const {
    const auto it = m_index.find(lower(name));
    return it == m_index.end() ? nullptr : &m_games[it->second];
}

std::optional<std::filesystem::path> findBesideProgram(const char* argv0, std::string_view fileName) {
    namespace fs = std::filesystem;
    std::vector<fs::path> dirs;
    // argv[0] first: a test may start the program through a link placed beside its own data files.
    if (argv0 && std::string_view(argv0).find_first_of("/\\") != std::string_view::npos)
        dirs.push_back(fs::path(argv0).parent_path());
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        dirs.push_back(self.parent_path());
    dirs.push_back(fs::current_path(ec));

    for (const fs::path& dir : dirs) {
        const fs::path candidate = dir / fs::path(fileName);
        if (fs::is_regular_file(candidate, ec))
            return candidate;
    }
    return std::nullopt;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool hasWildcard(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool wildcardMatch(std::string_view pattern, std::string_view text) {
    // Iterative matcher with one backtrack point for the last '*'.
    std::size_t p = 0, t = 0, starP = std::string_view::npos, starT = 0;
    const auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], text[t])))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace standin
