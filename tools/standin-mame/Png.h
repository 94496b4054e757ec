#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace standin {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// A truecolour PNG of width x height pixels (row by row), deflate "stored" blocks, no compression needed.
std::string encodePng(int width, int height, const std::vector<Rgb>& pixels);

// The snapshot a game run leaves: a small picture whose colours follow from the game's name.
std::vector<Rgb> snapshotPicture(const std::string& gameName, int width, int height);

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

} // namespace standin
