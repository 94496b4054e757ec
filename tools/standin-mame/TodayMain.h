#pragma once

#include "Control.h"
#include "TodayArgs.h"

#include <ostream>
#include <string>
#include <vector>

namespace standin {

// Answers a command line the way today's emulator does. Returns the exit status.
int runToday(const char* argv0, const TodayArgs& parsed, const std::vector<std::string>& args, const Control& control,
             std::ostream& out, std::ostream& err);

} // namespace standin
