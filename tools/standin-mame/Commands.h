#pragma once

#include "Catalogue.h"

#include <ostream>
#include <string_view>

namespace standin {

// The informational commands; each returns the process exit status.
int listRoms(const Catalogue& cat, std::string_view pattern, std::ostream& out);
int listSamples(const Catalogue& cat, std::string_view pattern, std::ostream& out);
// -listinfo: the catalogue file as it is.
void printListInfo(std::string_view listing, std::ostream& out);
void printHelp(const char* argv0, std::ostream& out);

} // namespace standin
