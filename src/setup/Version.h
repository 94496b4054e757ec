#pragma once

#include <QString>

// The emulator's version as its -help banner states it.
namespace setup {

// "M.A.M.E. v0.37 BETA 5 (Jul  2 2000) - ..." gives "M.A.M.E. Version 0.37 BETA 5": the first
// banner line up to its build date, each "v" spelled out. "Unknown" without a banner line.
QString versionFromHelpText(const QString& text);

// The same from the saved -help output; a missing file gives "Unknown" as well.
QString versionFromHelp(const QString& helpOutputPath);

} // namespace setup
