#pragma once

#include "core/settings/SettingsRecord.h"

#include <optional>

// The option part of the emulator command line and the length rule that keeps it within
// what the emulator's command line takes.
namespace settings {

// The token of each field whose token differs (exactly) from its default, in command-line
// order; the vector-only fields last and only for a vector record.
QStringList optionTokens(const SettingsRecord& record, SettingsKind kind);

// " " + each of those tokens: empty or starting with a blank.
QString buildOptionString(const SettingsRecord& record, SettingsKind kind);

// Replaces each "  " by " " in one left-to-right pass: three blanks become two.
QString collapseSpaces(QString text);

// N = length of the collapsed option string + 13; at most 131 is allowed. The three-line
// refusal message when N is too long, nothing when it passes.
std::optional<QString> lengthRuleMessage(const QString& options);

} // namespace settings
