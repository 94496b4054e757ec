#include "Catalogue.h"

#include <cstdlib>
#include <sstream>

namespace standin {
namespace {

std::vector<std::string> words(std::string_view s) {
    std::vector<std::string> out;
    std::istringstream in{std::string(s)};
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

int toInt(const std::string& s) {
    return static_cast<int>(std::strtol(s.c_str(), nullptr, 10));
}

// `"text"` with C escapes. The text runs to the last quote, so a stray quote inside (today's descriptions have
// them) stays part of it.
std::string unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"') {
        const std::size_t last = value.rfind('"');
        if (last > 0)
            value = value.substr(1, last - 1);
    }
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 't' ? '\t' : next;
    }
    return out;
}

// The keyword/value pairs of a "( ... )" property; a keyword without value maps to an empty text.
template <typename Each> void forEachPair(std::string_view rest, Each each) {
    const auto w = words(rest);
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == "(" || w[i] == ")")
            continue;
        const bool hasValue = i + 1 < w.size() && w[i + 1] != ")";
        each(w[i], hasValue ? w[i + 1] : std::string());
        if (hasValue)
            ++i;
    }
}

} // namespace

void parseDetail(Game& game, std::string_view key, std::string_view value) {
    if (key == "description") {
        game.description = unquote(value);
    } else if (key == "year") {
        game.year = value;
    } else if (key == "manufacturer") {
        game.manufacturer = unquote(value);
    } else if (key == "mechanical") {
        game.mechanical = value == "yes";
    } else if (key == "device") {
        game.device = value == "yes";
    } else if (key == "chip") {
        Chip chip;
        forEachPair(value, [&chip](const std::string& k, const std::string& v) {
            if (k == "type")
                chip.type = v;
            else if (k == "name")
                chip.name = v;
            else if (k == "clock")
                chip.clock = v;
        });
        game.chips.push_back(chip);
    } else if (key == "video") {
        Display& d = game.display;
        d.present = true;
        forEachPair(value, [&d](const std::string& k, const std::string& v) {
            if (k == "screen")
                d.vector = v == "vector";
            else if (k == "orientation")
                d.vertical = v == "vertical";
            else if (k == "x")
                d.x = toInt(v);
            else if (k == "y")
                d.y = toInt(v);
            else if (k == "freq")
                d.freq = v;
        });
    } else if (key == "sound") {
        forEachPair(value, [&game](const std::string& k, const std::string& v) {
            if (k == "channels")
                game.soundChannels = toInt(v);
        });
    } else if (key == "input") {
        Input& in = game.input;
        in.present = true;
        forEachPair(value, [&in](const std::string& k, const std::string& v) {
            if (k == "players")
                in.players = toInt(v);
            else if (k == "buttons")
                in.buttons = toInt(v);
            else if (k == "coins")
                in.coins = toInt(v);
            else if (k == "control")
                in.control = v;
        });
    } else if (key == "driver") {
        DriverStatus& drv = game.driver;
        drv.present = true;
        forEachPair(value, [&drv](const std::string& k, const std::string& v) {
            if (k == "status")
                drv.status = v;
            else if (k == "color")
                drv.color = v;
            else if (k == "sound")
                drv.sound = v;
        });
    }
}

} // namespace standin
