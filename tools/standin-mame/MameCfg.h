#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace standin {

// The directories the emulator reads from the [directory] section of mame.cfg.
struct Directories {
    std::vector<std::filesystem::path> romPaths{"roms"};
    std::vector<std::filesystem::path> samplePaths{"samples"};
    std::filesystem::path snapDir{"snap"};
};

// Reads mame.cfg from the working directory; the defaults stand for a missing file or key.
Directories readMameCfg(const std::filesystem::path& file = "mame.cfg");
Directories parseMameCfg(std::string_view text);

// The first directory of the list that holds the entry (a file or a folder), if any.
std::optional<std::filesystem::path> findIn(const std::vector<std::filesystem::path>& dirs,
                                            const std::filesystem::path& entry);

} // namespace standin
