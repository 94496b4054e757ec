#include "core/setup/SetupRules.h"

#include "core/config/OptionsFile.h"
#include "core/exec/CommandRunner.h"
#include "core/exec/Emulator.h"
#include "core/maintenance/EmulatorFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

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

// The emulator in a directory, told apart by its banner.
exec::Interface interfaceIn(const config::AppState& state, exec::CommandRunner& runner) {
    const std::optional<QByteArray> help = exec::outputOf(runner, exec::Emulator(state).banner());
    return help ? exec::interfaceFromHelp(*help).value_or(exec::Interface::Classic) : exec::Interface::Classic;
}

// The first folder of a path list that lies in the user's home (Debian's ~/mame/roms, which the
// user may fill), else the first that exists, else the first; with its closing separator.
QString proposedFolder(const exec::EmulatorConfig& config, const char* key) {
    const QStringList folders = config.paths(QLatin1String(key));
    const QString home = QDir::cleanPath(QDir::homePath()) + u'/';
    auto found = std::find_if(folders.cbegin(), folders.cend(), [&](const QString& f) { return f.startsWith(home); });
    if (found == folders.cend())
        found = std::find_if(folders.cbegin(), folders.cend(), [](const QString& f) { return QFileInfo(f).isDir(); });
    const QString folder = found != folders.cend() ? *found : folders.value(0);
    return folder.isEmpty() ? folder : config::directoryText(QDir::toNativeSeparators(folder));
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

QString unstorableReason(const QString& directory) {
    if (!storable(directory))
        return QStringLiteral("its name holds characters other than Western European (Latin-1) ones");
    if (directory.size() > MaxDirectoryLength)
        return QStringLiteral("it is %1 characters long, and at most %2 can be stored")
            .arg(directory.size())
            .arg(MaxDirectoryLength);
    return QString();
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
    // The emulator's file as it is called here: mame.exe on Windows, mame elsewhere.
    return QStringLiteral("Cannot find %1!").arg(config::mameFileName());
}

QString invalidSelectionMessage() {
    return QStringLiteral("Invalid selection!  Please try again.");
}

QString emulatorOnPath() {
    const QString program = QStandardPaths::findExecutable(config::mameFileName());
    return program.isEmpty() ? program : config::directoryText(QDir::toNativeSeparators(QFileInfo(program).path()));
}

std::optional<exec::EmulatorConfig> todayConfig(const QString& mameDirectory, exec::CommandRunner& runner) {
    config::AppState state;
    state.directories.mame = mameDirectory;
    if (interfaceIn(state, runner) != exec::Interface::Today)
        return std::nullopt;
    return exec::readEmulatorConfig(runner, exec::Emulator(state, exec::Interface::Today).showConfig());
}

config::Directories proposeDirectories(const QString& mameDirectory, config::ListChoice choice,
                                       const std::optional<exec::EmulatorConfig>& today) {
    config::Directories proposed;
    proposed.mame = mameDirectory;
    if (today) {
        const QString roms = proposedFolder(*today, "rompath");
        proposed.retroRoms = usesRetroRoms(choice) ? roms : QString();
        proposed.neoGeoRoms = usesNeoGeoRoms(choice) ? roms : QString();
        proposed.samples = proposedFolder(*today, "samplepath");
        proposed.snapshots = proposedFolder(*today, "snapshot_directory");
        return proposed;
    }
    const QChar separator = QDir::separator();
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
    // What the options file cannot hold exactly would come back as another folder.
    for (const auto& box : boxes) {
        if (const QString why = unstorableReason(box.value); !why.isEmpty())
            return Refusal{box.field, QStringLiteral("Marqueon cannot store the %1 directory: %2.  Please select "
                                                     "another directory.")
                                          .arg(QLatin1String(text(box.field).name), why)};
    }
    return std::nullopt;
}

std::optional<Refusal> commit(config::AppState& state, const SetupForm& form, exec::CommandRunner& runner) {
    config::AppState chosen = state;
    chosen.preferences = form.preferences;
    chosen.directories = form.directories;
    // Storing directories the emulator will not use would only hide the problem.
    const exec::Emulator emulator(chosen, interfaceIn(chosen, runner));
    const std::optional<maintenance::EmulatorFiles> files =
        maintenance::EmulatorFiles::locate(chosen, emulator, runner);
    if (!files || !files->writeDirectories(chosen, maintenance::CfgWrite::Merge, state.directories)) {
        if (!files || files->config())
            return Refusal{DirectoryField::Mame,
                           QStringLiteral("Cannot write the mame.ini file of this M.A.M.E. (") +
                               (files ? files->directoryFile() : QStringLiteral("mame -showconfig")) +
                               QStringLiteral(")!  Please make sure that it can be written to, "
                                              "or select another directory.")};
        return Refusal{DirectoryField::Mame,
                       QStringLiteral("Cannot write the mame.cfg file in the M.A.M.E. directory!  Please make sure "
                                      "that it can be written to, or select another directory.")};
    }
    if (!config::writeSetup(chosen.optionsFile(), chosen))
        return Refusal{DirectoryField::Mame, QStringLiteral("Cannot write the options file in ") +
                                                 chosen.settingsPath() +
                                                 QStringLiteral("!  Your choices were not saved.")};
    // A ROM folder of the user's own that the emulator proposed (Debian's ~/mame/roms) is made
    // for them, ready for their sets.
    const QString home = QDir::cleanPath(QDir::homePath()) + u'/';
    for (const QString& roms : {chosen.directories.retroRoms, chosen.directories.neoGeoRoms}) {
        if (!roms.isEmpty() && QDir::cleanPath(roms).startsWith(home))
            QDir().mkpath(roms);
    }
    state = chosen;
    return std::nullopt;
}

} // namespace setup
