#include "MameCfg.h"

#include "Catalogue.h"

#include <string>
#include <system_error>

namespace standin {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r';
    };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::filesystem::path> splitList(std::string_view value) {
    std::vector<std::filesystem::path> out;
    while (true) {
        const std::size_t semi = value.find(';');
        const std::string_view part = trim(value.substr(0, semi));
        if (!part.empty())
            out.emplace_back(std::string(part));
        if (semi == std::string_view::npos)
            break;
        value.remove_prefix(semi + 1);
    }
    return out;
}

} // namespace

Directories parseMameCfg(std::string_view text) {
    Directories dirs;
    bool inDirectory = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trim(text.substr(pos, end - pos));
        pos = end + 1;

        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            inDirectory = equalsIgnoreCase(trim(line.substr(1, close == std::string_view::npos ? close : close - 1)),
                                           "directory");
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!inDirectory || eq == std::string_view::npos)
            continue;
        const std::string_view key = trim(line.substr(0, eq));
        const std::string_view value = trim(line.substr(eq + 1));
        if (equalsIgnoreCase(key, "rompath"))
            dirs.romPaths = splitList(value);
        else if (equalsIgnoreCase(key, "samplepath"))
            dirs.samplePaths = splitList(value);
        else if (equalsIgnoreCase(key, "snap") && !value.empty())
            dirs.snapDir = std::string(value);
    }
    return dirs;
}

Directories readMameCfg(const std::filesystem::path& file) {
    const auto text = readWholeFile(file);
    return text ? parseMameCfg(*text) : Directories{};
}

std::optional<std::filesystem::path> findIn(const std::vector<std::filesystem::path>& dirs,
                                            const std::filesystem::path& entry) {
    std::error_code ec;
    for (const auto& dir : dirs) {
        const auto candidate = dir / entry;
        if (std::filesystem::exists(candidate, ec))
            return candidate;
    }
    return std::nullopt;
}

} // namespace standin
