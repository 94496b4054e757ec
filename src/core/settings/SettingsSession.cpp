#include "core/settings/SettingsSession.h"

#include "core/exec/CommandRunner.h"
#include "core/io/TextFile.h"
#include "core/settings/OptionString.h"

#include <QFile>
#include <QFileInfo>

namespace settings {
namespace {

const QString RestoreEmulatorDefaults = QStringLiteral("R&estore M.A.M.E. Defaults");

} // namespace

QString editingCaption(Editing editing) {
    switch (editing) {
    case Editing::RasterDefaults:
        return QStringLiteral("Raster Defaults");
    case Editing::VectorDefaults:
        return QStringLiteral("Vector Defaults");
    case Editing::CustomSettings:
        break;
    }
    return QStringLiteral("Custom Settings");
}

SettingsSession::SettingsSession(const config::AppState& state, const exec::Emulator& emulator,
                                 exec::CommandRunner& runner)
    : m_state(state)
    , m_emulator(emulator)
    , m_runner(runner) {}

QString SettingsSession::defaultsFile(SettingsKind kind) const {
    return m_state.settingsPath() + defaultsFileName(kind);
}

QString SettingsSession::customFile() const {
    return m_state.settingsPath() + customFileName(m_customRom);
}

PanelContent SettingsSession::showRecord(Editing editing, SettingsKind kind, ReadResult read,
                                         const SettingsForm& shown) {
    PanelContent content;
    content.editing = editing;
    content.read = read;
    content.form = shown;
    content.form.show(m_record, kind);
    content.vectorControls = kind == SettingsKind::Vector;
    return content;
}

PanelContent SettingsSession::openDefaults(SettingsKind kind, const SettingsForm& shown) {
    m_kind = kind;
    const Editing editing = kind == SettingsKind::Raster ? Editing::RasterDefaults : Editing::VectorDefaults;
    if (m_emulator.keepsSettingsInIniFiles())
        return openIni(editing);
    PanelContent content;
    if (QFile::exists(defaultsFile(kind))) {
        content = showRecord(editing, kind, readSettingsFile(defaultsFile(kind), kind, m_record), shown);
    } else {
        content.editing = editing;
        content.form = SettingsForm::defaults();
    }
    m_record.clearTokens();
    content.vectorControls = kind == SettingsKind::Vector;
    content.restoreCaption = RestoreEmulatorDefaults;
    return content;
}

PanelContent SettingsSession::openCustom(const QString& romName, const QString& videoType, const SettingsForm& shown) {
    m_customRom = romName;
    m_customType = videoType;
    const SettingsKind kind = kindOf(videoType);
    if (m_emulator.keepsSettingsInIniFiles()) {
        m_kind = kind;
        return openIni(Editing::CustomSettings);
    }
    if (!QFile::exists(customFile())) {
        PanelContent content = openDefaults(kind, shown);
        content.editing = Editing::CustomSettings;
        return content;
    }
    m_kind = kind;
    PanelContent content =
        showRecord(Editing::CustomSettings, kind, readSettingsFile(customFile(), kind, m_record), shown);
    content.restoreCaption = !QFile::exists(defaultsFile(kind)) ? RestoreEmulatorDefaults
                             : kind == SettingsKind::Raster     ? QStringLiteral("R&estore Raster Defaults")
                                                                : QStringLiteral("R&estore Vector Defaults");
    return content;
}

PanelContent SettingsSession::restore(const PanelContent& shown) {
    if (shown.ini) {
        // A game back at its kind's defaults, the defaults back at the emulator's own. The file's
        // other options (the parameters) are the user's and stay.
        PanelContent content = shown;
        content.iniForm.values = inherited(shown.editing);
        return content;
    }
    if (shown.editing == Editing::CustomSettings) {
        const SettingsKind kind = kindOf(m_customType);
        if (QFile::exists(customFile()) && QFile::exists(defaultsFile(kind))) {
            m_kind = kind;
            PanelContent content = showRecord(Editing::CustomSettings, kind,
                                              readSettingsFile(defaultsFile(kind), kind, m_record), shown.form);
            content.restoreCaption = shown.restoreCaption;
            return content;
        }
    }
    PanelContent content = shown;
    content.form = SettingsForm::defaults();
    content.read = {};
    return content;
}

SaveResult SettingsSession::save(Editing editing, const SettingsForm& form) {
    if (std::optional<QString> problem = parametersProblem(form.parameters))
        return {SaveResult::Outcome::Refused, *problem};
    const bool allDefaults = form.atDefaults();
    form.readTokens(m_record);
    // The length limit is the MS-DOS command line's; today's emulator has none.
    if (m_emulator.commandLineLimit()) {
        if (std::optional<QString> tooLong = lengthRuleMessage(buildOptionString(m_record, m_kind)))
            return {SaveResult::Outcome::Refused, *tooLong};
    }

    const auto write = [&](const QString& path) {
        form.readPositions(m_record);
        return writeSettingsFile(path, m_kind, m_record);
    };
    bool written = true;
    QString file;
    if (editing == Editing::CustomSettings) {
        m_kind = kindOf(m_customType);
        file = customFile();
        written = write(file);
        // A custom file that says no more than the defaults would is not kept.
        const QString defaults = defaultsFile(m_kind);
        const bool hasDefaults = QFile::exists(defaults);
        if (written && ((hasDefaults && io::readText(defaults) == io::readText(file)) || (!hasDefaults && allDefaults)))
            QFile::remove(file);
    } else {
        m_kind = editing == Editing::RasterDefaults ? SettingsKind::Raster : SettingsKind::Vector;
        file = defaultsFile(m_kind);
        if (allDefaults)
            QFile::remove(file);
        else
            written = write(file);
    }
    if (!written)
        return {SaveResult::Outcome::WriteFailed, QStringLiteral("The settings could not be saved in ") + file +
                                                      QStringLiteral(".  Nothing was changed.")};
    return {};
}

PlayLine SettingsSession::playLine(const QString& romName, const QString& videoType) {
    if (m_emulator.keepsSettingsInIniFiles() && configuration(false)) {
        // The emulator reads its ini files itself: the game and the directories are all it needs.
        // A Marqueon settings file not yet carried into an ini file still counts, translated.
        m_customRom = romName;
        m_kind = kindOf(videoType);
        const Editing kindDefaults = m_kind == SettingsKind::Raster ? Editing::RasterDefaults : Editing::VectorDefaults;
        const bool custom = QFile::exists(classicFile(Editing::CustomSettings));
        if (QFile::exists(iniFile(Editing::CustomSettings)) || (!custom && QFile::exists(iniFile(kindDefaults)))) {
            PlayLine line;
            line.read.outcome = ReadResult::Outcome::Missing;
            line.arguments << romName.toLower();
            line.commandLine = QStringLiteral("mame ") + line.arguments.join(u' ');
            return line;
        }
    }
    return buildPlayCommandLine(m_state.settingsPath(), romName, videoType, m_record, m_emulator);
}

bool SettingsSession::hasCustomSettings(const QString& romName) {
    if (!exec::isPlainGameName(romName))
        return false;
    if (QFileInfo::exists(m_state.settingsPath() + customFileName(romName)))
        return true;
    return m_emulator.keepsSettingsInIniFiles() && configuration(false) &&
           QFileInfo::exists(iniFolder() + romName.toLower() + QStringLiteral(".ini"));
}

const exec::EmulatorConfig* SettingsSession::configuration(bool fresh) {
    if (fresh || m_configAskedOf != m_state.directories.mame) {
        m_config = exec::readEmulatorConfig(m_runner, m_emulator.showConfig());
        m_configAskedOf = m_state.directories.mame;
    }
    return m_config && !m_config->userIniFile().isEmpty() ? &*m_config : nullptr;
}

QString SettingsSession::iniFolder() const {
    return QFileInfo(m_config->userIniFile()).path() + u'/';
}

QString SettingsSession::iniFile(Editing editing) const {
    const QString folder = iniFolder();
    switch (editing) {
    case Editing::RasterDefaults:
        return folder + QStringLiteral("raster.ini");
    case Editing::VectorDefaults:
        return folder + QStringLiteral("vector.ini");
    case Editing::CustomSettings:
        break;
    }
    return folder + m_customRom + QStringLiteral(".ini");
}

QString SettingsSession::classicFile(Editing editing) const {
    return editing == Editing::CustomSettings ? customFile() : defaultsFile(m_kind);
}

IniValues SettingsSession::inherited(Editing editing) const {
    IniValues configuration;
    for (const IniOption& option : iniOptions())
        configuration.insert(option.key, m_config->value(option.key));
    if (editing != Editing::CustomSettings)
        return inheritedValues(configuration);
    const std::optional<io::MameIniFile> kindFile = io::MameIniFile::read(
        iniFile(m_kind == SettingsKind::Raster ? Editing::RasterDefaults : Editing::VectorDefaults));
    return inheritedValues(configuration, kindFile ? &*kindFile : nullptr);
}

PanelContent SettingsSession::openIni(Editing editing) {
    PanelContent content;
    content.editing = editing;
    content.ini = true;
    content.vectorControls = m_kind == SettingsKind::Vector;
    if (!configuration(true)) {
        content.problem = QStringLiteral("M.A.M.E. did not say where it keeps its ini files (mame -showconfig).");
        return content;
    }
    const IniValues values = inherited(editing);
    const Editing kindDefaults = m_kind == SettingsKind::Raster ? Editing::RasterDefaults : Editing::VectorDefaults;
    content.restoreCaption = editing != Editing::CustomSettings || !QFile::exists(iniFile(kindDefaults))
                                 ? RestoreEmulatorDefaults
                             : m_kind == SettingsKind::Raster ? QStringLiteral("R&estore Raster Defaults")
                                                              : QStringLiteral("R&estore Vector Defaults");
    const std::optional<io::MameIniFile> file = io::MameIniFile::read(iniFile(editing));
    if (file && QFile::exists(iniFile(editing))) {
        content.iniForm = formFromFile(*file, values);
    } else if (QFile::exists(classicFile(editing))) {
        // Marqueon's own settings file from before: its values are carried over on OK.
        SettingsRecord record = SettingsRecord::defaults();
        content.read = readSettingsFile(classicFile(editing), m_kind, record);
        content.iniForm = formFromRecord(record, m_kind, values);
    } else {
        content.iniForm = IniForm{values, QString()};
    }
    return content;
}

SaveResult SettingsSession::saveIni(Editing editing, const IniForm& form) {
    if (!configuration(false))
        return {SaveResult::Outcome::WriteFailed,
                QStringLiteral("M.A.M.E. did not say where it keeps its ini files (mame -showconfig).")};
    const QString path = iniFile(editing);
    std::optional<io::MameIniFile> file = io::MameIniFile::read(path);
    QString problem;
    if (!file)
        return {SaveResult::Outcome::WriteFailed,
                QStringLiteral("The settings file %1 cannot be read.  Nothing was changed.").arg(path)};
    if (!applyForm(*file, form, inherited(editing), &problem))
        return {SaveResult::Outcome::Refused, QStringLiteral("The parameters cannot be read: %1.").arg(problem)};
    // The emulator itself says whether it knows every option, before anything is written.
    if (const QStringList options = checkArguments(*file); !options.isEmpty()) {
        struct Quiet final : exec::RunObserver {
            void output(QByteArrayView) override {}
        } quiet; // what it prints of its configuration is not wanted, only its status and error
        const exec::RunResult checked = m_runner.run(m_emulator.optionCheck(options), &quiet);
        if (checked.status == exec::RunResult::Status::Finished && checked.exitCode == 6)
            return {SaveResult::Outcome::Refused,
                    QStringLiteral("M.A.M.E. does not take these settings (%1).  Nothing was saved.")
                        .arg(checked.lastErrorLine)};
    }
    const bool kept = file->hasContent();
    const bool written = kept ? file->save() : (!QFile::exists(path) || QFile::remove(path));
    if (!written)
        return {SaveResult::Outcome::WriteFailed, QStringLiteral("The settings could not be saved in ") + path +
                                                      QStringLiteral(".  Nothing was changed.")};
    // Marqueon's own settings file has been carried into the ini file; it is kept aside, not lost.
    if (const QString classic = classicFile(editing); QFile::exists(classic)) {
        QFile::remove(classic + QStringLiteral(".bak"));
        QFile::rename(classic, classic + QStringLiteral(".bak"));
    }
    return {};
}

} // namespace settings
