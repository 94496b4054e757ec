#include "core/setup/SetupRules.h"

#include "core/config/OptionsFile.h"
#include "core/maintenance/MameCfg.h"

#include <QDir>
#include <QFileInfo>

namespace setup {
namespace {

struct FieldText {
    const char* name;    // in the browse title and the root message
    const char* missing; // when the box is empty
};

constexpr FieldText Texts[] = {
    {"M.A.M.E.", "You must select a M.A.M.E. directory!"},
    {"Retro ROMs", "You must select a Retro ROMs directory!"},
    {"Neo-Geo ROMs", "You must select a Neo-Geo ROMs directory!"},
    {"Samples", "You must select a Samples directory!"},
    {"Snapshots", "You must select a Snap directory!"},
};

const FieldText& text(DirectoryField field) {
    return Texts[int(field)];
}

} // namespace

bool usesRetroRoms(config::ListChoice choice) {
    return choice != config::ListChoice::NeoGeo;
}

bool usesNeoGeoRoms(config::ListChoice choice) {
    return choice != config::ListChoice::Retro;
}

bool storable(const QString& path) {
    return QString::fromLatin1(path.toLatin1()) == path;
}

bool isRoot(const QString& browsedPath) {
    return browsedPath.endsWith(QDir::separator());
}

bool holdsEmulator(const QString& mameDirectory) {
    return !mameDirectory.isEmpty() && QFileInfo(mameDirectory + config::mameFileName()).isFile();
}

QString browseTitle(DirectoryField field) {
    return QStringLiteral("Select your %1 directory...").arg(QLatin1String(text(field).name));
}

QString rootMessage(DirectoryField field) {
    return QStringLiteral("%1 cannot reside in the root!  Please select a directory.")
        .arg(QLatin1String(text(field).name));
}

QString missingEmulatorMessage() {
    return QStringLiteral("Cannot find mame.exe!");
}

QString invalidSelectionMessage() {
    return QStringLiteral("Invalid selection!  Please try again.");
}

config::Directories proposeDirectories(const QString& mameDirectory, config::ListChoice choice) {
    const QChar separator = QDir::separator();
    config::Directories proposed;
    proposed.mame = mameDirectory;
    if (usesRetroRoms(choice))
        proposed.retroRoms = mameDirectory + QStringLiteral("roms") + separator;
    if (usesNeoGeoRoms(choice))
        proposed.neoGeoRoms = mameDirectory + QStringLiteral("neoroms") + separator;
    proposed.samples = mameDirectory + QStringLiteral("samples") + separator;
    proposed.snapshots = mameDirectory + QStringLiteral("snap") + separator;
    return proposed;
}

std::optional<Refusal> check(const SetupForm& form) {
    const config::Directories& d = form.directories;
    // An empty MAME box is told below; it must not find an emulator in the working directory.
    if (!d.mame.isEmpty() && !holdsEmulator(d.mame))
        return Refusal{DirectoryField::Mame, missingEmulatorMessage(), true};
    const struct {
        DirectoryField field;
        const QString& value;
        bool required;
    } boxes[] = {
        {DirectoryField::Mame, d.mame, true},
        {DirectoryField::RetroRoms, d.retroRoms, form.retroRomsUsed},
        {DirectoryField::NeoGeoRoms, d.neoGeoRoms, form.neoGeoRomsUsed},
        {DirectoryField::Samples, d.samples, true},
        {DirectoryField::Snapshots, d.snapshots, true},
    };
    for (const auto& box : boxes) {
        if (box.required && box.value.isEmpty())
            return Refusal{box.field, QLatin1String(text(box.field).missing)};
    }
    return std::nullopt;
}

std::optional<Refusal> commit(config::AppState& state, const SetupForm& form) {
    config::AppState chosen = state;
    chosen.preferences = form.preferences;
    chosen.directories = form.directories;
    // Storing directories the emulator will not use would only hide the problem.
    if (!maintenance::writeDirectories(chosen, maintenance::CfgWrite::Merge))
        return Refusal{DirectoryField::Mame,
                       QStringLiteral("Cannot write the mame.cfg file in the M.A.M.E. directory!  Please make sure "
                                      "that it can be written to, or select another directory.")};
    if (!config::writeSetup(chosen.optionsFile(), chosen))
        return Refusal{DirectoryField::Mame, QStringLiteral("Cannot write the options file in ") +
                                                 chosen.settingsPath() +
                                                 QStringLiteral("!  Your choices were not saved.")};
    state = chosen;
    return std::nullopt;
}

} // namespace setup
