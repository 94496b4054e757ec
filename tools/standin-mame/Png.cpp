#include "Png.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace standin {
namespace {

void putBig32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xff));
}

void putChunk(std::string& out, const char type[5], const std::string& data) {
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    std::string typed = std::string(type, 4) + data;
    out += typed;
    putBig32(out, crc32(reinterpret_cast<const std::uint8_t*>(typed.data()), typed.size()));
}

std::uint32_t adler32(const std::string& data) {
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : data) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// zlib stream of uncompressed deflate blocks, each at most 65535 bytes.
std::string storedZlib(const std::string& raw) {
    std::string out{"\x78\x01", 2};
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<char>(len & 0xff));
        out.push_back(static_cast<char>(len >> 8));
        out.push_back(static_cast<char>(~len & 0xff));
        out.push_back(static_cast<char>((~len >> 8) & 0xff));
        out.append(raw, pos, len);
        pos += len;
    } while (pos < raw.size());
    putBig32(out, adler32(raw));
    return out;
}

Rgb hue(double h, double light) {
    // h in [0, 1): a fully saturated colour scaled by light.
    const double x = h * 6.0;
    const int sector = static_cast<int>(x) % 6;
    const double f = x - std::floor(x);
    std::array<double, 3> c{};
    switch (sector) {
    case 0:
        c = {1, f, 0};
        break;
    case 1:
        c = {1 - f, 1, 0};
        break;
    case 2:
        c = {0, 1, f};
        break;
    case 3:
        c = {0, 1 - f, 1};
        break;
    case 4:
        c = {f, 0, 1};
        break;
    default:
        c = {1, 0, 1 - f};
        break;
    }
    const auto byte = [light](double v) {
        return static_cast<std::uint8_t>(std::lround(v * light * 255.0));
    };
    return {byte(c[0]), byte(c[1]), byte(c[2])};
}

} // namespace

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string encodePng(int width, int height, const std::vector<Rgb>& pixels) {
    std::string ihdr;
    putBig32(ihdr, static_cast<std::uint32_t>(width));
    putBig32(ihdr, static_cast<std::uint32_t>(height));
    ihdr += std::string{"\x08\x02\x00\x00\x00", 5}; // 8 bits, RGB, deflate, no filter, no interlace

    std::string raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter type None
        for (int x = 0; x < width; ++x) {
            const Rgb& p =
                pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            raw.push_back(static_cast<char>(p.r));
            raw.push_back(static_cast<char>(p.g));
            raw.push_back(static_cast<char>(p.b));
        }
    }

    std::string png{"\x89PNG\r\n\x1a\n", 8};
    putChunk(png, "IHDR", ihdr);
    putChunk(png, "IDAT", storedZlib(raw));
    putChunk(png, "IEND", {});
    return png;
}

std::vector<Rgb> snapshotPicture(const std::string& gameName, int width, int height) {
    const std::uint32_t h = crc32(reinterpret_cast<const std::uint8_t*>(gameName.data()), gameName.size());
    const double baseHue = (h & 0xffff) / 65536.0;
    const int stripe = 4 + static_cast<int>((h >> 16) % 6);
    const int cx = width / 4 + static_cast<int>((h >> 20) % static_cast<std::uint32_t>(width / 2));
    const int cy = height / 4 + static_cast<int>((h >> 26) % static_cast<std::uint32_t>(height / 2));
    const int radius = height / 5 + static_cast<int>((h >> 8) % 5);

    std::vector<Rgb> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Dark sky with a hue gradient, bright bands near the floor, and a disc in a complementary colour.
            const int dx = x - cx, dy = y - cy;
            Rgb p;
            if (dx * dx + dy * dy <= radius * radius)
                p = hue(std::fmod(baseHue + 0.5, 1.0), 1.0);
            else if (y >= height * 3 / 4)
                p = hue(std::fmod(baseHue + 0.1 * ((x / stripe) % 3), 1.0), (x / stripe) % 2 ? 0.9 : 0.6);
            else
                p = hue(std::fmod(baseHue + static_cast<double>(y) / (3.0 * height), 1.0), 0.25 + 0.35 * y / height);
            pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = p;
        }
    }
    return pixels;
}

} // namespace standin
