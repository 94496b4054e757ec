#pragma once

#include "Catalogue.h"
#include "MameCfg.h"

#include <filesystem>
#include <ios>
#include <string>
#include <vector>

namespace standin {

// Tests read these to check the command line the front end built: standin-lastrun.txt (one argument a line) and
// standin-runs.log (one start a line) in the working directory.
void recordArguments(const std::vector<std::string>& args);

// Writes a whole file, creating its folder; false when that fails.
bool writeFile(const std::filesystem::path& file, const std::string& content,
               std::ios::openmode mode = std::ios::trunc);

// A game start: records the arguments, then leaves the files a played game leaves behind. Returns the exit status.
int runGame(const Catalogue& cat, const Directories& dirs, const std::vector<std::string>& args);

} // namespace standin
