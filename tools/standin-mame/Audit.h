#pragma once

#include "Catalogue.h"
#include "MameCfg.h"

#include <ostream>
#include <string_view>

namespace standin {

enum class RomVerify {
    Roms, // -verifyroms: problem sets only (and the named set)
    Sets, // -verifysets: good sets too
};

// Each returns the emulator's exit status: 0 all fine, 1 nothing found, 2 some set is bad.
int verifyRomSets(const Catalogue& cat, const Directories& dirs, std::string_view pattern, RomVerify mode,
                  std::ostream& out);
int verifySampleSets(const Catalogue& cat, const Directories& dirs, std::string_view pattern, std::ostream& out);

} // namespace standin
