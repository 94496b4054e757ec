#pragma once

#include "core/io/MameIniFile.h"
#include "core/settings/SettingsRecord.h"

#include <QList>
#include <QMap>

// Today's emulator keeps its settings in ini files of its own (raster.ini, vector.ini, NAME.ini in
// the user's ini folder) and reads them itself at every start: the settings panel edits those.
// These are the options it offers, and how a form of them is read from and written into a file.
namespace settings {

enum class IniTab { Display, Sound, Controls, Other };
QString iniTabTitle(IniTab tab); // "Display", "Sound", "Controls", "Other"

// One of the emulator's options the panel offers.
struct IniOption {
    QString key;   // as the emulator names it: "window"
    QString label; // a list's label ("Video:"), a switch's caption ("Run In A Window")
    IniTab tab;
    QStringList values;   // a list's choices as the emulator spells them; empty for a switch
    QStringList captions; // the choices as shown
    bool isSwitch() const { return values.isEmpty(); }
};
const QList<IniOption>& iniOptions();
const IniOption* iniOption(const QString& key);

// The panel's content for today's emulator: every option's value as the emulator spells it
// ("1", "opengl", "1.20"), and the file's other options as parameters typed on a command line.
struct IniForm {
    QMap<QString, QString> values;
    QString parameters;

    bool operator==(const IniForm&) const = default;
};

// A value as the option's list or switch holds it: "1.0" is the list's "1.00", "0"/"1" a switch.
QString normalizedValue(const IniOption& option, const QString& value);

// The options of a parameters text, in order: "-key value", or a switch alone ("-cheat" is 1,
// "-nocheat" 0). problem says why a text cannot be read that way ("a word without an option").
struct Parameters {
    QList<std::pair<QString, QString>> options;
    QString problem;
};
Parameters parseParameters(const QString& text);

// The values the settings come to where a file says nothing: the emulator's own configuration,
// for a game overlaid with its kind's file.
using IniValues = QMap<QString, QString>;
IniValues inheritedValues(const IniValues& configuration, const io::MameIniFile* kindFile = nullptr);

// What the panel shows for a file: its values where it has them, the inherited ones elsewhere,
// and its other options as parameters.
IniForm formFromFile(const io::MameIniFile& file, const IniValues& inherited);
// What the panel shows for a classic settings record carried over (Marqueon's own settings file,
// before there was an ini file): the options today's emulator has, the rest left out.
IniForm formFromRecord(const SettingsRecord& record, SettingsKind kind, const IniValues& inherited);

// Writes the form into the file: an option the form gives its inherited value is removed (it
// would only keep a later change of the defaults from reaching the game), any other set; the
// parameters' options are set and the file's other options no longer among them removed.
// Comments and everything else stay. False, with problem, when the parameters cannot be read.
bool applyForm(io::MameIniFile& file, const IniForm& form, const IniValues& inherited, QString* problem);

// The arguments that have the emulator check the file's options before it is saved
// (`mame ARGUMENTS -showconfig` ends with status 6 for an option it does not know).
QStringList checkArguments(const io::MameIniFile& file);

} // namespace settings
