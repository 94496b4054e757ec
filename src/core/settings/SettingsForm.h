#pragma once

#include "core/settings/SettingsRecord.h"

#include <optional>

namespace settings {

// What the settings panel shows: the chosen item of every list, the state of every switch and
// the parameters as typed. The panel's rules work on this value; the panel only draws it.
struct SettingsForm {
    std::array<int, FieldCount> positions{}; // list settings only
    std::array<bool, FieldCount> switches{}; // switch settings only
    QString parameters;

    // The emulator's defaults: every list at its default item, every switch at its default
    // (both vsync buttons off), no parameters.
    static SettingsForm defaults();

    int& position(Field field) { return positions[size_t(field)]; }
    int position(Field field) const { return positions[size_t(field)]; }
    bool& on(Field field) { return switches[size_t(field)]; }
    bool on(Field field) const { return switches[size_t(field)]; }

    // Puts a record in: every list at its stored position (a position the list does not have
    // shows the default item), the parameters, each switch on unless its token is the off
    // token; the vector-only settings only for a vector record, the others left as they are.
    // The monitor and sound rules follow.
    void show(const SettingsRecord& record, SettingsKind kind);

    // With the monitor at "Standard", CenterX, CenterY and Wait Interlace go back to their
    // defaults; with no sound card, the volume, the sample rate, the sample bits and the three
    // sound switches do.
    void applyMonitorRule();
    void applySoundRule();
    // The two vsync buttons exclude each other, and both may be off: switching one on
    // switches the other off.
    void chooseVsync(Field field);

    // Whether every control, the vector-only ones included, stands at its default.
    bool atDefaults() const;

    // Every token from the form (positions are left alone).
    void readTokens(SettingsRecord& record) const;
    // The lists' positions into the record, as a settings file stores them.
    void readPositions(SettingsRecord& record) const;

    bool operator==(const SettingsForm&) const = default;
};

// Whether a control can be changed: the monitor's dependants with a monitor other than
// "Standard", the sound controls with a sound card other than "None", Clear with a vsync
// button on; every other control always.
bool isEnabled(const SettingsForm& form, Field field);
bool clearEnabled(const SettingsForm& form);

// The fields the monitor and the sound card rule over.
bool isMonitorDependant(Field field);
bool isSoundDependant(Field field);

// The hint shown on every tab while the pointer rests on the Restore button.
QString restoreHint();

// The parameters cannot hold a double quote: the settings file could not store it. The
// message to show when they do.
std::optional<QString> parametersProblem(const QString& parameters);

} // namespace settings
