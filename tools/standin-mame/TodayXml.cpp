#include "TodayXml.h"

#include "Control.h"
#include "RomSets.h"
#include "TodayRomCheck.h"
#include "TodayXmlDtd.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>

namespace standin {
namespace {

// Devices every listing references; today's emulator lists such machines after the systems.
constexpr std::string_view kDevices[][3] = {
    {"speaker", "emu/speaker.cpp", "Speaker"},
    {"z80", "devices/cpu/z80/z80.cpp", "Zilog Z80"},
};

std::string attr(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + xmlText(value) + "\"";
}

std::string hex8(std::uint32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08x", v);
    return buf;
}

std::string sourceFile(const Game& game, const Catalogue& cat) {
    const auto chain = ancestors(game, cat);
    if (game.name == "neogeo" || (!chain.empty() && chain.back()->name == "neogeo"))
        return "neogeo/neogeo.cpp";
    // A clone lives in its parent's driver file.
    const Game* root = &game;
    for (int i = 0; i < 8 && !root->cloneOf.empty() && cat.find(root->cloneOf); ++i)
        root = cat.find(root->cloneOf);
    return "standin/" + root->name + ".cpp";
}

// The ROM as the nearest set of the romof chain holds it, if one does: the name to merge it under.
const Rom* lentBy(const std::vector<const Game*>& chain, const Rom& rom) {
    for (const Game* set : chain)
        for (const Rom& r : set->roms)
            if (!rom.noDump && !r.noDump && r.crc == rom.crc)
                return &r;
    return nullptr;
}

// Today's emulator names a Neo-Geo cartridge's regions after its slot: its sprite graphics
// ("gfx3" in the classic listing) are "cslot1:sprites".
std::string regionOf(const Rom& rom, bool neoGeoCartridge) {
    if (!neoGeoCartridge || rom.region.empty())
        return rom.region;
    return "cslot1:" + (rom.region == "gfx3" ? std::string("sprites") : rom.region);
}

void writeRoms(const Game& game, const Catalogue& cat, std::ostream& out) {
    const auto chain = ancestors(game, cat);
    const bool neoGeoCartridge = game.name != "neogeo" && !chain.empty() && chain.back()->name == "neogeo";
    for (const Rom& rom : game.roms) {
        out << "\t\t<rom" << attr("name", rom.name);
        if (const Rom* lent = lentBy(chain, rom))
            out << attr("merge", lent->name);
        out << attr("size", std::to_string(rom.size));
        if (rom.noDump)
            out << attr("status", "nodump");
        else
            out << attr("crc", hex8(rom.crc)) << attr("sha1", std::string(40, '0'))
                << (rom.goodDump ? "" : attr("status", "baddump"));
        if (!rom.region.empty())
            out << attr("region", regionOf(rom, neoGeoCartridge));
        if (!rom.offset.empty())
            out << attr("offset", rom.offset);
        out << "/>\n";
    }
}

void writeHardware(const Game& game, std::ostream& out) {
    for (const Chip& chip : game.chips) {
        out << "\t\t<chip" << attr("type", chip.type) << attr("name", chip.name);
        if (!chip.clock.empty())
            out << attr("clock", chip.clock);
        out << "/>\n";
    }
    if (const Display& d = game.display; d.present) {
        out << "\t\t<display" << attr("tag", "screen") << attr("type", d.vector ? "vector" : "raster")
            << attr("rotate", d.vertical ? "90" : "0");
        // The listing gives the picture as seen; today's gives the screen before rotation.
        if (!d.vector)
            out << attr("width", std::to_string(d.vertical ? d.y : d.x))
                << attr("height", std::to_string(d.vertical ? d.x : d.y));
        out << attr("refresh", d.freq.empty() ? "60.000000" : d.freq) << " />\n";
    }
    if (game.soundChannels >= 0)
        out << "\t\t<sound" << attr("channels", std::to_string(game.soundChannels)) << "/>\n";
}

void writeInput(const Input& in, std::ostream& out) {
    if (!in.present)
        return;
    out << "\t\t<input" << attr("players", std::to_string(in.players));
    if (in.coins > 0)
        out << attr("coins", std::to_string(in.coins));
    out << ">\n";
    std::string type = in.control, ways;
    if (type.starts_with("joy") && type.size() >= 4) {
        ways = type.substr(3, 1); // joy8way, joy4way, joy2way
        type = "joy";
    } else if (type == "button") {
        type = "only_buttons";
    }
    for (int p = 1; !type.empty() && p <= in.players; ++p) {
        out << "\t\t\t<control" << attr("type", type);
        if (in.players > 1)
            out << attr("player", std::to_string(p));
        if (in.buttons > 0)
            out << attr("buttons", std::to_string(in.buttons));
        if (!ways.empty())
            out << attr("ways", ways);
        out << "/>\n";
    }
    out << "\t\t</input>\n";
}

void writeDriver(const DriverStatus& drv, std::ostream& out) {
    if (!drv.present)
        return;
    const std::string status = drv.status.empty() ? "good" : drv.status;
    out << "\t\t<driver" << attr("status", status) << attr("emulation", status)
        << attr("savestate", status == "good" ? "supported" : "unsupported") << "/>\n";
    // The listing's colour and sound verdicts are today's palette and sound features.
    const std::pair<const char*, const std::string*> features[] = {{"palette", &drv.color}, {"sound", &drv.sound}};
    for (const auto& [type, verdict] : features)
        if (*verdict == "imperfect" || *verdict == "preliminary")
            out << "\t\t<feature" << attr("type", type)
                << attr("status", *verdict == "imperfect" ? "imperfect" : "unemulated") << "/>\n";
}

void writeMachine(const Game& game, const Catalogue& cat, std::ostream& out) {
    out << "\t<machine" << attr("name", game.name) << attr("sourcefile", sourceFile(game, cat));
    if (game.bios)
        out << attr("isbios", "yes");
    if (game.device)
        out << attr("isdevice", "yes");
    if (game.mechanical)
        out << attr("ismechanical", "yes");
    if (game.device)
        out << attr("runnable", "no");
    if (!game.cloneOf.empty())
        out << attr("cloneof", game.cloneOf);
    if (!game.romOf.empty())
        out << attr("romof", game.romOf);
    if (!game.samples.empty() || !game.sampleOf.empty())
        out << attr("sampleof", game.sampleSetName());
    out << ">\n";
    out << "\t\t<description>" << xmlText(game.description.empty() ? game.name : game.description)
        << "</description>\n";
    if (!game.year.empty())
        out << "\t\t<year>" << xmlText(game.year) << "</year>\n";
    if (!game.manufacturer.empty())
        out << "\t\t<manufacturer>" << xmlText(game.manufacturer) << "</manufacturer>\n";
    writeRoms(game, cat, out);
    for (const std::string& sample : game.samples)
        out << "\t\t<sample" << attr("name", sampleName(sample)) << "/>\n";
    writeHardware(game, out);
    writeInput(game.input, out);
    writeDriver(game.driver, out);
    out << "\t</machine>\n";
}

} // namespace

std::string xmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            // A well-formed UTF-8 sequence passes; a lone high byte is Latin-1.
            const std::size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
            bool valid = len > 0 && i + len <= text.size();
            for (std::size_t k = 1; valid && k < len; ++k)
                valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
            if (valid) {
                out.append(text.substr(i, len));
                i += len - 1;
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
            continue;
        }
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (c >= 0x20 || c == '\t')
                out += static_cast<char>(c); // other control characters cannot stand in XML
        }
    }
    return out;
}

int listXml(const Catalogue& cat, const std::vector<std::string>& patterns, bool withDtd, std::ostream& out,
            std::ostream& err) {
    std::vector<bool> used(patterns.size(), false);
    const auto selected = [&](std::string_view name) {
        bool match = patterns.empty();
        for (std::size_t i = 0; i < patterns.size(); ++i)
            if (wildcardMatch(patterns[i], name))
                match = used[i] = true;
        return match;
    };
    std::vector<const Game*> machines;
    bool anySystem = false;
    for (const Game& game : cat.games())
        if (selected(game.name)) {
            machines.push_back(&game);
            anySystem = anySystem || !game.device;
        }
    // The emulator lists its machines by name, then the devices.
    std::stable_sort(machines.begin(), machines.end(), [](const Game* a, const Game* b) { return a->name < b->name; });
    std::vector<std::size_t> devices;
    for (std::size_t i = 0; i < std::size(kDevices); ++i)
        if (selected(kDevices[i][0]) || anySystem) // the systems chosen take their devices along
            devices.push_back(i);

    std::size_t firstUnmatched = 0;
    while (firstUnmatched < patterns.size() && used[firstUnmatched])
        ++firstUnmatched;
    if (machines.empty() && devices.empty()) {
        err << "No matching machines found for '" << patterns[firstUnmatched] << "'\n";
        return 5;
    }

    out << "<?xml version=\"1.0\"?>\n";
    if (withDtd)
        out << kDtd;
    out << "<mame build=\"0.251 (standin)\" debug=\"no\" mameconfig=\"10\">\n";
    for (const Game* game : machines) {
        beginItem(out);
        writeMachine(*game, cat, out);
    }
    for (std::size_t i : devices) {
        beginItem(out);
        out << "\t<machine" << attr("name", kDevices[i][0]) << attr("sourcefile", kDevices[i][1])
            << attr("isdevice", "yes") << attr("runnable", "no") << ">\n"
            << "\t\t<description>" << kDevices[i][2] << "</description>\n"
            << (i == 0 ? "\t\t<sound channels=\"1\"/>\n" : "") << "\t</machine>\n";
    }
    out << "</mame>\n";
    if (firstUnmatched < patterns.size()) {
        err << "No matching machines found for '" << patterns[firstUnmatched] << "'\n";
        return 5;
    }
    return 0;
}

} // namespace standin
