#pragma once

#include "Catalogue.h"
#include "TodaySettings.h"

#include <ostream>
#include <string>
#include <vector>

namespace standin {

// The systems (catalogue games that are not devices) matching any of the patterns, in catalogue order; no
// pattern selects all. `unmatched` names the first pattern that matched nothing.
std::vector<const Game*> selectSystems(const Catalogue& cat, const std::vector<std::string>& patterns,
                                       std::string& unmatched);

// -verifyroms and -verifysamples in today's wording; each returns the exit status.
int verifyRomsToday(const Catalogue& cat, const TodaySettings& settings, const std::vector<std::string>& patterns,
                    std::ostream& out, std::ostream& err);
int verifySamplesToday(const Catalogue& cat, const TodaySettings& settings, const std::vector<std::string>& patterns,
                       std::ostream& out, std::ostream& err);

} // namespace standin
