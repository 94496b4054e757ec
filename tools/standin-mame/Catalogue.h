#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace standin {

struct Rom {
    std::string name;
    long size = 0;
    std::uint32_t crc = 0;
    bool goodDump = true; // false for "baddump"/"nodump" lines or a zero CRC
    bool noDump = false;  // "nodump" or a zero CRC: no dump exists at all, unlike a bad one
    std::string region;
    std::string offset;
};

// What the listing tells about the hardware; only today's XML catalogue shows it.
struct Chip {
    std::string type;
    std::string name;
    std::string clock;
};

struct Display {
    bool present = false;
    bool vector = false;
    bool vertical = false;
    int x = 0; // as the player sees it, after rotation
    int y = 0;
    std::string freq;
};

struct Input {
    bool present = false;
    int players = 0;
    int buttons = 0;
    int coins = 0;
    std::string control;
};

struct DriverStatus {
    bool present = false;
    std::string status;
    std::string color;
    std::string sound;
};

struct Game {
    std::string name;
    std::string cloneOf;
    std::string romOf;
    std::string sampleOf;
    std::vector<Rom> roms;
    std::vector<std::string> samples;
    bool bios = false; // a resource block or the Neo-Geo system entry: not a playable driver

    std::string description;
    std::string year;
    std::string manufacturer;
    std::vector<Chip> chips;
    Display display;
    int soundChannels = -1; // -1: no sound line
    Input input;
    DriverStatus driver;
    bool mechanical = false; // test fixtures only: lines the classic listing never has
    bool device = false;

    // The sample set a game loads: a shared set when it names one, its own otherwise.
    const std::string& sampleSetName() const { return sampleOf.empty() ? name : sampleOf; }
};

// The games of a -listinfo text, in listing order. Only what the stand-in needs is kept.
class Catalogue {
public:
    static Catalogue parse(std::string_view listing);

    const std::vector<Game>& games() const { return m_games; }
    // Case-insensitive, as the emulator compares game names.
    const Game* find(std::string_view name) const;

private:
    std::vector<Game> m_games;
    std::unordered_map<std::string, std::size_t> m_index; // lower-case name -> position; listings can be large
};

// The properties of a -listinfo block beyond the ones the audits need; unknown keys are ignored.
void parseDetail(Game& game, std::string_view key, std::string_view value);

// Looks for a data file beside the program (the directory it was started from, then the directory of the
// executable itself) and then in the working directory; nullopt when none holds it.
std::optional<std::filesystem::path> findBesideProgram(const char* argv0, std::string_view fileName);

std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// '*' and '?' wildcards, letter case ignored.
bool wildcardMatch(std::string_view pattern, std::string_view text);
bool hasWildcard(std::string_view pattern);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

} // namespace standin
