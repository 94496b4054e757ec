#pragma once

#include <QString>

// The emulator's version as its -help banner states it.
namespace exec {

// "M.A.M.E. v0.37 BETA 5 (Jul  2 2000) - ..." gives "M.A.M.E. Version 0.37 BETA 5", and today's
// "MAME v0.251 (unknown)" gives "MAME Version 0.251": the first banner line of the saved -help
// output up to its build date, each "v" spelled out. "Unknown" without a banner line or file.
QString versionFromHelp(const QString& helpOutputPath);

} // namespace exec
