#pragma once

#include "core/config/AppState.h"
#include "core/config/SavedView.h"

#include <optional>

// The options file settings/options.ini: preferences, directories and the main window's
// last view.
namespace config {

// Text to Boolean as the options file stores it: "True" or "False" in any case, or a number
// (0 is false, any other number true). Anything else, the empty text included, does not convert.
std::optional<bool> toBoolean(const QString& text);

// Text to a whole number: decimal digits with an optional sign and fraction (rounded half to
// even), blanks around it allowed. Anything else, or a value outside [min, max], does not convert.
std::optional<qint64> toWholeNumber(const QString& text, qint64 min, qint64 max);

// Reads every key in the order Preferences, Directories, ShutDown, each with its default when
// missing. False when a stored value does not convert to its type; the state is then partly
// filled, the file is to be treated as damaged, and problem names the first such key and value
// ("BackColor=blue").
bool readOptions(const QString& file, AppState& state, SavedView& view, QString* problem = nullptr);

// What the user is told when the options file is damaged and kept as options.ini.bad.
QString damagedOptionsMessage(const QString& problem);

// Writes the Preferences and then the Directories section, each in its fixed key order, as the
// setup stores what it was given. False when the file could not be written.
bool writeSetup(const QString& file, const AppState& state);

// Writes the ShutDown section in its fixed key order, then the window's own section, in one step.
// False when the file could not be written.
bool writeShutDown(const QString& file, const SavedView& view);

} // namespace config
