#include "TodayArgs.h"

#include <cctype>
#include <string_view>
#include <utility>

namespace standin {
namespace {

enum class Kind { Command, Switch, Value };

struct OptionInfo {
    std::string_view name;
    std::string_view alias;
    Kind kind;
};

// Today's spellings of the options the front end may give, with their short forms. Everything else is refused,
// as the emulator refuses it.
constexpr OptionInfo kOptions[] = {
    {"help", "h", Kind::Command},
    {"?", "", Kind::Command},
    {"showusage", "su", Kind::Command},
    {"version", "", Kind::Command},
    {"listxml", "lx", Kind::Command},
    {"listfull", "ls", Kind::Command},
    {"listclones", "lc", Kind::Command},
    {"listroms", "lr", Kind::Command},
    {"listsamples", "", Kind::Command},
    {"verifyroms", "vr", Kind::Command},
    {"verifysamples", "vs", Kind::Command},
    {"showconfig", "sc", Kind::Command},

    {"dtd", "", Kind::Switch},
    {"readconfig", "rc", Kind::Switch},
    {"rotate", "", Kind::Switch},
    {"ror", "", Kind::Switch},
    {"rol", "", Kind::Switch},
    {"autoror", "", Kind::Switch},
    {"autorol", "", Kind::Switch},
    {"flipx", "", Kind::Switch},
    {"flipy", "", Kind::Switch},
    {"joystick", "joy", Kind::Switch},
    {"mouse", "", Kind::Switch},
    {"lightgun", "gun", Kind::Switch},
    {"autoframeskip", "afs", Kind::Switch},
    {"throttle", "", Kind::Switch},
    {"waitvsync", "", Kind::Switch},
    {"switchres", "", Kind::Switch},
    {"samples", "", Kind::Switch},
    {"cheat", "c", Kind::Switch},
    {"debug", "d", Kind::Switch},
    {"skip_gameinfo", "", Kind::Switch},
    {"window", "w", Kind::Switch},
    {"maximize", "max", Kind::Switch},
    {"keepaspect", "ka", Kind::Switch},
    {"filter", "flt", Kind::Switch},
    {"plugins", "", Kind::Switch},
    {"log", "", Kind::Switch},
    {"verbose", "v", Kind::Switch},

    {"rompath", "rp", Kind::Value},
    {"samplepath", "sp", Kind::Value},
    {"snapshot_directory", "", Kind::Value},
    {"cfg_directory", "", Kind::Value},
    {"nvram_directory", "", Kind::Value},
    {"homepath", "", Kind::Value},
    {"inipath", "", Kind::Value},
    {"artpath", "", Kind::Value},
    {"hashpath", "hash_directory", Kind::Value},
    {"snapname", "", Kind::Value},
    {"resolution", "r", Kind::Value},
    {"video", "", Kind::Value},
    {"effect", "", Kind::Value},
    {"gamma", "", Kind::Value},
    {"brightness", "", Kind::Value},
    {"contrast", "", Kind::Value},
    {"flicker", "", Kind::Value},
    {"beam_width_min", "", Kind::Value},
    {"beam_width_max", "", Kind::Value},
    {"beam_intensity_weight", "", Kind::Value},
    {"sound", "", Kind::Value},
    {"samplerate", "sr", Kind::Value},
    {"volume", "vol", Kind::Value},
    {"frameskip", "fs", Kind::Value},
    {"seconds_to_run", "str", Kind::Value},
    {"plugin", "", Kind::Value},
    {"noplugin", "", Kind::Value},
    {"bios", "", Kind::Value},
};

const OptionInfo* findOption(std::string_view name) {
    for (const OptionInfo& option : kOptions)
        if (option.name == name || (!option.alias.empty() && option.alias == name))
            return &option;
    return nullptr;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

bool TodayArgs::switchOn(const std::string& name, bool fallback) const {
    const auto it = switches.find(name);
    return it == switches.end() ? fallback : it->second;
}

TodayArgs parseTodayArgs(const std::vector<std::string>& args) {
    TodayArgs parsed;
    const auto fail = [&parsed](std::string message) {
        if (parsed.error.empty()) {
            parsed.error = std::move(message);
            parsed.errorStatus = 6;
        }
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.front() != '-') {
            parsed.words.push_back(arg);
            continue;
        }
        const std::string name = lower(std::string_view(arg).substr(1));
        const OptionInfo* option = findOption(name);
        bool negated = false;
        if (!option && name.starts_with("no")) {
            option = findOption(std::string_view(name).substr(2));
            negated = option && option->kind == Kind::Switch;
            if (!negated)
                option = nullptr;
        }
        if (!option) {
            fail("Error: unknown option: " + arg);
            continue;
        }
        const std::string canonical(option->name == "?" ? "help" : option->name);
        switch (option->kind) {
        case Kind::Command:
            if (parsed.command.empty())
                parsed.command = "-" + canonical;
            break;
        case Kind::Switch:
            parsed.switches[canonical] = !negated;
            break;
        case Kind::Value:
            if (i + 1 == args.size()) {
                fail("Error: option " + arg + " expected a parameter");
                break;
            }
            parsed.values[canonical] = args[++i];
            break;
        }
    }
    return parsed;
}

} // namespace standin
