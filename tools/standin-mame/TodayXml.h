#pragma once

#include "Catalogue.h"

#include <ostream>
#include <string>
#include <vector>

namespace standin {

// -listxml: the catalogue as today's emulator describes its machines, with two devices of its own at the end.
// Returns the exit status (5 when a pattern matched nothing).
int listXml(const Catalogue& cat, const std::vector<std::string>& patterns, bool withDtd, std::ostream& out,
            std::ostream& err);

// Text for XML: UTF-8 kept, any other byte taken as Latin-1, & < > " escaped (an apostrophe stays, as in the
// emulator's own listing).
std::string xmlText(std::string_view text);

} // namespace standin
