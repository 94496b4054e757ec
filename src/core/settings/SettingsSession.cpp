#include "core/settings/SettingsSession.h"

#include "core/io/TextFile.h"
#include "core/settings/OptionString.h"

#include <QFile>

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

SettingsSession::SettingsSession(const config::AppState& state, const exec::Emulator& emulator)
    : m_state(state)
    , m_emulator(emulator) {}

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
    return buildPlayCommandLine(m_state.settingsPath(), romName, videoType, m_record, m_emulator);
}

} // namespace settings
