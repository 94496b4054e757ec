#include "core/config/OptionsFile.h"

#include "core/io/IniFile.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace config {
namespace {

using io::iniText;

const QString PreferencesSection = QStringLiteral("Preferences");
const QString DirectoriesSection = QStringLiteral("Directories");
const QString ShutDown = QStringLiteral("ShutDown");

constexpr qint64 IntMin = std::numeric_limits<qint32>::min();
constexpr qint64 IntMax = std::numeric_limits<qint32>::max();
// Colours are 32-bit values; accept them signed or unsigned, as either may have been stored.
constexpr qint64 ColourMin = std::numeric_limits<qint32>::min();
constexpr qint64 ColourMax = std::numeric_limits<quint32>::max();

// The ShutDown keys of the three lists, in file order.
constexpr const char* ListKeys[3][3] = {
    {"AllIndex", "AllSortKey", "AllSortOrder"},
    {"InstalledIndex", "InstalledSortKey", "InstalledSortOrder"},
    {"UninstalledIndex", "UninstalledSortKey", "UninstalledSortOrder"},
};

std::optional<double> toNumber(const QString& text) {
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

// Reads keys one by one and remembers whether any failed to convert.
class OptionReader {
public:
    explicit OptionReader(const QString& file)
        : m_file(file) {}

    bool failed() const { return m_failed; }

    QString text(const QString& section, const char* key, const QString& fallback = QString()) {
        return io::readIni(m_file, section, QLatin1String(key), fallback);
    }

    bool boolean(const QString& section, const char* key, bool fallback) {
        return check(toBoolean(text(section, key, iniText(fallback))), fallback);
    }

    qint64 number(const QString& section, const char* key, qint64 fallback, qint64 min, qint64 max) {
        return check(toWholeNumber(text(section, key, iniText(fallback)), min, max), fallback);
    }

private:
    template <typename T> T check(const std::optional<T>& value, T fallback) {
        if (!value)
            m_failed = true;
        return value.value_or(fallback);
    }

    QString m_file;
    bool m_failed = false;
};

// Writes keys one by one and remembers whether any write failed.
class OptionWriter {
public:
    OptionWriter(const QString& file, const QString& section)
        : m_file(file)
        , m_section(section) {}

    void write(const char* key, const QString& value) {
        m_ok = io::writeIni(m_file, m_section, QLatin1String(key), value) && m_ok;
    }
    bool ok() const { return m_ok; }

private:
    QString m_file;
    QString m_section;
    bool m_ok = true;
};

} // namespace

std::optional<bool> toBoolean(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = toNumber(word))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<qint64> toWholeNumber(const QString& text, qint64 min, qint64 max) {
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding mode: half to even
    if (rounded < double(min) || rounded > double(max))
        return std::nullopt;
    return qint64(rounded);
}

bool readOptions(const QString& file, AppState& state, SavedView& view) {
    OptionReader ini(file);
    Preferences& preferences = state.preferences;
    preferences.listChoice =
        listChoiceFromWord(ini.text(PreferencesSection, "GameList", listChoiceWord(ListChoice::Retro)));
    preferences.hideClones = ini.boolean(PreferencesSection, "HideClones", false);
    preferences.cloneShots = ini.boolean(PreferencesSection, "CloneShots", false);
    preferences.disableHotKeys = ini.boolean(PreferencesSection, "DisableHotKeys", true);
    preferences.useStarfield = ini.boolean(PreferencesSection, "UseStarfield", true);
    preferences.backColour = quint32(ini.number(PreferencesSection, "BackColor", 0, ColourMin, ColourMax));
    preferences.foreColour = quint32(ini.number(PreferencesSection, "ForeColor", 0, ColourMin, ColourMax));

    Directories& directories = state.directories;
    directories.mame = ini.text(DirectoriesSection, "MAME");
    directories.retroRoms = ini.text(DirectoriesSection, "RetroROMs");
    directories.neoGeoRoms = ini.text(DirectoriesSection, "NeoGeoROMs");
    directories.samples = ini.text(DirectoriesSection, "Samples");
    directories.snapshots = ini.text(DirectoriesSection, "Snapshots");

    view.mameDate = ini.text(ShutDown, "MAMEDate");
    view.gameView = gameViewFromCaption(ini.text(ShutDown, "GameView", gameViewCaption(GameView::All)));
    // Out-of-range positions and sort columns are the lists' to correct, not a damaged file.
    for (size_t list = 0; list < view.lists.size(); ++list) {
        ListState& saved = view.lists[list];
        saved.index = int(ini.number(ShutDown, ListKeys[list][0], 1, IntMin, IntMax));
        saved.sortKey = int(ini.number(ShutDown, ListKeys[list][1], 0, IntMin, IntMax));
        saved.sortOrder = int(ini.number(ShutDown, ListKeys[list][2], 0, IntMin, IntMax));
    }
    view.screenShots = ini.boolean(ShutDown, "ScreenShots", false);
    return !ini.failed();
}

bool writeSetup(const QString& file, const AppState& state) {
    const Preferences& preferences = state.preferences;
    OptionWriter preference(file, PreferencesSection);
    preference.write("GameList", listChoiceWord(preferences.listChoice));
    preference.write("HideClones", iniText(preferences.hideClones));
    preference.write("CloneShots", iniText(preferences.cloneShots));
    preference.write("DisableHotKeys", iniText(preferences.disableHotKeys));
    preference.write("UseStarfield", iniText(preferences.useStarfield));
    preference.write("BackColor", iniText(qint64(preferences.backColour)));
    preference.write("ForeColor", iniText(qint64(preferences.foreColour)));

    const Directories& directories = state.directories;
    OptionWriter directory(file, DirectoriesSection);
    directory.write("MAME", directories.mame);
    directory.write("RetroROMs", directories.retroRoms);
    directory.write("NeoGeoROMs", directories.neoGeoRoms);
    directory.write("Samples", directories.samples);
    directory.write("Snapshots", directories.snapshots);
    return preference.ok() && directory.ok();
}

bool writeShutDown(const QString& file, const SavedView& view) {
    OptionWriter shutDown(file, ShutDown);
    shutDown.write("MAMEDate", view.mameDate);
    shutDown.write("GameView", gameViewCaption(view.gameView));
    for (size_t list = 0; list < view.lists.size(); ++list) {
        const ListState& state = view.lists[list];
        shutDown.write(ListKeys[list][0], iniText(qint64(state.index)));
        shutDown.write(ListKeys[list][1], iniText(qint64(state.sortKey)));
        shutDown.write(ListKeys[list][2], iniText(qint64(state.sortOrder)));
    }
    shutDown.write("ScreenShots", iniText(view.screenShots));
    return shutDown.ok();
}

} // namespace config
