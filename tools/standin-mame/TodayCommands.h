#pragma once

#include "Catalogue.h"

#include <ostream>
#include <string>
#include <vector>

namespace standin {

// Today's informational commands; those taking patterns return the exit status (5: a pattern matched nothing).
void printTodayHelp(const char* argv0, std::ostream& out);
int listRomsToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out, std::ostream& err);
int listSamplesToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out,
                     std::ostream& err);
int listFullToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out, std::ostream& err);
int listClonesToday(const Catalogue& cat, const std::vector<std::string>& patterns, std::ostream& out,
                    std::ostream& err);

} // namespace standin
