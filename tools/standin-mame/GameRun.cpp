#include "GameRun.h"

#include "Png.h"

#include <fstream>
#include <iostream>
#include <system_error>

namespace standin {
namespace fs = std::filesystem;

bool writeFile(const fs::path& file, const std::string& content, std::ios::openmode mode) {
    std::error_code ec;
    if (file.has_parent_path())
        fs::create_directories(file.parent_path(), ec);
    std::ofstream out(file, std::ios::binary | std::ios::out | mode);
    out << content;
    return static_cast<bool>(out);
}

void recordArguments(const std::vector<std::string>& args) {
    std::string perLine, joined;
    for (const std::string& a : args) {
        perLine += a + '\n';
        joined += (joined.empty() ? "" : " ") + a;
    }
    writeFile("standin-lastrun.txt", perLine);
    writeFile("standin-runs.log", joined + '\n', std::ios::app);
}

int runGame(const Catalogue& cat, const Directories& dirs, const std::vector<std::string>& args) {
    // Recorded before the name is checked, so a test also sees what a start of an unknown game was given.
    recordArguments(args);
    const Game* game = cat.find(args.front());
    if (!game || game->bios) {
        std::cerr << "Game \"" << args.front() << "\" not supported\n";
        return 1;
    }

    const std::string& name = game->name;
    bool ok = writeFile(fs::path("cfg") / (name + ".cfg"), std::string("MAMECFG\x08", 8) + std::string(32, '\0'));
    ok = writeFile(fs::path("hi") / (name + ".hi"), "HISCORE " + name + " 0012340 0009870 0005000\n") && ok;
    ok = writeFile(fs::path("nvram") / (name + ".nv"), std::string(64, '\xff')) && ok;

    constexpr int width = 64, height = 48;
    ok =
        writeFile(dirs.snapDir / (name + ".png"), encodePng(width, height, snapshotPicture(name, width, height))) && ok;
    if (!ok)
        std::cerr << "could not write the files of " << name << '\n';
    return 0;
}

} // namespace standin
