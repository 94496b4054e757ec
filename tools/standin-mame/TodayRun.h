#pragma once

#include "Catalogue.h"
#include "Control.h"
#include "TodayArgs.h"
#include "TodaySettings.h"

#include <ostream>
#include <string>
#include <vector>

namespace standin {

// A game start on today's command line: the system and its ROMs are checked as the emulator checks them; a start
// that gets going records its arguments and leaves today's files (cfg, nvram, snapshot, high scores with the
// plugin). Returns the exit status.
int startToday(const Catalogue& cat, const TodayArgs& parsed, const std::vector<std::string>& args,
               const Control& control, std::ostream& err);

} // namespace standin
