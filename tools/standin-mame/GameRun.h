#pragma once

#include "Catalogue.h"
#include "MameCfg.h"

#include <string>
#include <vector>

namespace standin {

// A game start: records the arguments, then leaves the files a played game leaves behind. Returns the exit status.
int runGame(const Catalogue& cat, const Directories& dirs, const std::vector<std::string>& args);

} // namespace standin
