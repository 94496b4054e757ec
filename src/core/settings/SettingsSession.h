#pragma once

#include "core/config/AppState.h"
#include "core/exec/EmulatorConfig.h"
#include "core/settings/IniSettings.h"
#include "core/settings/PlayCommand.h"
#include "core/settings/SettingsForm.h"

namespace settings {

// What the settings panel edits; its caption names it.
enum class Editing { RasterDefaults, VectorDefaults, CustomSettings };
QString editingCaption(Editing editing); // "Raster Defaults", "Vector Defaults", "Custom Settings"

// What the panel is to show after opening or restoring.
struct PanelContent {
    Editing editing = Editing::RasterDefaults;
    SettingsForm form;
    bool vectorControls = false; // Beam, Flicker, Antialias and Translucency shown
    QString restoreCaption;
    ReadResult read; // of the settings file read for it, if one was
    // Today's emulator: its own options, kept in its ini files, instead of the classic form.
    bool ini = false;
    IniForm iniForm;
    QString problem; // why the panel cannot open (the emulator did not say where its ini files are)
};

// How an OK went.
struct SaveResult {
    enum class Outcome { Saved, Refused, WriteFailed } outcome = Outcome::Saved;
    QString message; // why it was refused, or what could not be written
};

// The settings files of one installation and the one settings record they are read into.
// The record lives as long as the program: a short file leaves the fields it does not hold
// as the last read left them, for the panel and for Play alike.
class SettingsSession {
public:
    // The emulator decides how the options are spelt, whether the command-line length counts and
    // where the settings are kept; the runner asks today's emulator where and whether it knows them.
    SettingsSession(const config::AppState& state, const exec::Emulator& emulator, exec::CommandRunner& runner);

    // The user's defaults for a kind, or the emulator's when there are none. A raster file
    // leaves the vector-only settings as the panel shows them.
    PanelContent openDefaults(SettingsKind kind, const SettingsForm& shown);
    // A game's custom settings, or its kind's defaults to start from when it has none.
    PanelContent openCustom(const QString& romName, const QString& videoType, const SettingsForm& shown);
    // Restore: inside a game's custom settings, its kind's defaults when both files exist;
    // otherwise the emulator's defaults.
    PanelContent restore(const PanelContent& shown);
    // OK: the form checked (parameters, the classic command line's length), then saved or, where it says no
    // more than the defaults, its file deleted.
    SaveResult save(Editing editing, const SettingsForm& form);
    // OK with today's emulator: the options checked by the emulator, then written into its ini
    // file (the user's other keys and comments kept; a file with nothing left removed). A
    // Marqueon settings file carried over is kept as NAME.cfg.bak.
    SaveResult saveIni(Editing editing, const IniForm& form);

    // The command line a game starts with, from its settings.
    PlayLine playLine(const QString& romName, const QString& videoType);
    // Whether the game has settings of its own: a Marqueon settings file, or today's emulator's
    // NAME.ini. Today's configuration is asked once for the emulator (one quick run), not at
    // every call.
    bool hasCustomSettings(const QString& romName);
    // Today's emulator's configuration as last asked (once per emulator); nothing when it did
    // not say.
    const exec::EmulatorConfig* emulatorConfiguration() { return configuration(false); }

private:
    QString defaultsFile(SettingsKind kind) const;
    QString customFile() const;
    PanelContent showRecord(Editing editing, SettingsKind kind, ReadResult read, const SettingsForm& shown);

    // Today's emulator: its configuration (read again when fresh or for another emulator), its
    // ini folder and files.
    const exec::EmulatorConfig* configuration(bool fresh);
    QString iniFolder() const;
    QString iniFile(Editing editing) const;
    QString classicFile(Editing editing) const;
    IniValues inherited(Editing editing) const;
    PanelContent openIni(Editing editing);

    const config::AppState& m_state;
    const exec::Emulator& m_emulator;
    exec::CommandRunner& m_runner;
    std::optional<exec::EmulatorConfig> m_config;
    std::optional<QString> m_configAskedOf; // the emulator directory it was asked of
    SettingsRecord m_record = SettingsRecord::defaults();
    SettingsKind m_kind = SettingsKind::Raster;
    QString m_customRom;  // the game whose custom settings are open
    QString m_customType; // and its video type
};

} // namespace settings
