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
const QString WindowSection = QStringLiteral("Window");
const QString FindingSection = QStringLiteral("Finding");
constexpr const char* ColumnKeys[3] = {"AllColumns", "InstalledColumns", "UninstalledColumns"};

// Whole numbers separated by commas; nothing when any is not one.
std::optional<QList<int>> numbers(const QString& text) {
    QList<int> values;
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        values << part.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return values;
}

QString numbersText(const QList<int>& values) {
    QStringList parts;
    for (int value : values)
        parts << QString::number(value);
    return parts.join(u',');
}

// The window's keys are Marqueon's own: a value it cannot read is only a layout forgotten, never
// a damaged file.
WindowLayout readWindowLayout(const io::IniFile& ini) {
    WindowLayout layout;
    const auto text = [&](const char* key) {
        return ini.value(WindowSection, QLatin1String(key), QString());
    };
    if (const std::optional<QList<int>> place = numbers(text("Geometry")); place && place->size() == 4)
        layout.geometry = QRect((*place)[0], (*place)[1], (*place)[2], (*place)[3]);
    layout.maximized = toBoolean(text("Maximized")).value_or(false);
    if (const std::optional<QList<int>> sizes = numbers(text("Splitter")); sizes && sizes->size() == 2)
        layout.splitter = *sizes;
    for (size_t list = 0; list < layout.columns.size(); ++list)
        layout.columns[list] = text(ColumnKeys[list]);
    layout.picture = text("Picture");
    return layout;
}

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

// Reads keys one by one and remembers the first that failed to convert.
class OptionReader {
public:
    explicit OptionReader(const QString& file)
        : m_file(file) {}

    const QString& problem() const { return m_problem; }
    const io::IniFile& file() const { return m_file; }

    QString text(const QString& section, const char* key, const QString& fallback = QString()) {
        return m_file.value(section, QLatin1String(key), fallback);
    }

    bool boolean(const QString& section, const char* key, bool fallback) {
        const QString stored = text(section, key, iniText(fallback));
        return check(toBoolean(stored), fallback, key, stored);
    }

    qint64 number(const QString& section, const char* key, qint64 fallback, qint64 min, qint64 max) {
        const QString stored = text(section, key, iniText(fallback));
        return check(toWholeNumber(stored, min, max), fallback, key, stored);
    }

private:
    template <typename T> T check(const std::optional<T>& value, T fallback, const char* key, const QString& stored) {
        if (!value && m_problem.isEmpty())
            m_problem = QLatin1String(key) + u'=' + stored;
        return value.value_or(fallback);
    }

    io::IniFile m_file;
    QString m_problem;
};

// Sets the keys of one section in the file read once; the caller saves it once.
class OptionWriter {
public:
    OptionWriter(io::IniFile& file, const QString& section)
        : m_file(file)
        , m_section(section) {}

    void write(const char* key, const QString& value) { m_file.setValue(m_section, QLatin1String(key), value); }

private:
    io::IniFile& m_file;
    QString m_section;
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

bool readOptions(const QString& file, AppState& state, SavedView& view, QString* problem) {
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
    // Marqueon's own keys: a value it cannot read is only a choice forgotten.
    preferences.listsFolder = ini.file().value(FindingSection, QStringLiteral("ListsFolder"), QString());
    preferences.hideMature =
        toBoolean(ini.file().value(FindingSection, QStringLiteral("HideMature"), QString())).value_or(false);
    preferences.artworkFolder = ini.file().value(FindingSection, QStringLiteral("ArtworkFolder"), QString());

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
    view.window = readWindowLayout(ini.file());
    if (problem)
        *problem = ini.problem();
    return ini.problem().isEmpty();
}

QString damagedOptionsMessage(const QString& problem) {
    return QStringLiteral("The options file options.ini holds a value Marqueon cannot read (%1).  It was kept as "
                          "options.ini.bad, and Marqueon will now ask for your choices again.")
        .arg(problem.left(80));
}

bool writeSetup(const QString& file, const AppState& state) {
    io::IniFile ini(file);
    const Preferences& preferences = state.preferences;
    OptionWriter preference(ini, PreferencesSection);
    preference.write("GameList", listChoiceWord(preferences.listChoice));
    preference.write("HideClones", iniText(preferences.hideClones));
    preference.write("CloneShots", iniText(preferences.cloneShots));
    preference.write("DisableHotKeys", iniText(preferences.disableHotKeys));
    preference.write("UseStarfield", iniText(preferences.useStarfield));
    preference.write("BackColor", iniText(qint64(preferences.backColour)));
    preference.write("ForeColor", iniText(qint64(preferences.foreColour)));

    const Directories& directories = state.directories;
    OptionWriter directory(ini, DirectoriesSection);
    directory.write("MAME", directories.mame);
    directory.write("RetroROMs", directories.retroRoms);
    directory.write("NeoGeoROMs", directories.neoGeoRoms);
    directory.write("Samples", directories.samples);
    directory.write("Snapshots", directories.snapshots);
    // After the classic sections, and only when chosen, so that a file with none of Marqueon's
    // own choices reads as the classic one.
    const auto finding = [&ini](const char* key, const QString& value) {
        if (value.isEmpty())
            ini.removeValue(FindingSection, QLatin1String(key));
        else
            ini.setValue(FindingSection, QLatin1String(key), value);
    };
    finding("ListsFolder", preferences.listsFolder);
    finding("HideMature", preferences.hideMature ? iniText(true) : QString());
    finding("ArtworkFolder", preferences.artworkFolder);
    return ini.save();
}

bool writeShutDown(const QString& file, const SavedView& view) {
    io::IniFile ini(file);
    OptionWriter shutDown(ini, ShutDown);
    shutDown.write("MAMEDate", view.mameDate);
    shutDown.write("GameView", gameViewCaption(view.gameView));
    for (size_t list = 0; list < view.lists.size(); ++list) {
        const ListState& state = view.lists[list];
        shutDown.write(ListKeys[list][0], iniText(qint64(state.index)));
        shutDown.write(ListKeys[list][1], iniText(qint64(state.sortKey)));
        shutDown.write(ListKeys[list][2], iniText(qint64(state.sortOrder)));
    }
    shutDown.write("ScreenShots", iniText(view.screenShots));
    const WindowLayout& layout = view.window;
    OptionWriter window(ini, WindowSection);
    const QRect& place = layout.geometry;
    window.write("Geometry",
                 place.isValid() ? numbersText({place.x(), place.y(), place.width(), place.height()}) : QString());
    window.write("Maximized", iniText(layout.maximized));
    window.write("Splitter", numbersText(layout.splitter));
    for (size_t list = 0; list < layout.columns.size(); ++list)
        window.write(ColumnKeys[list], layout.columns[list]);
    // Only when chosen: a file of a Marqueon that showed screen shots only stays as it was.
    if (layout.picture.isEmpty())
        ini.removeValue(WindowSection, QStringLiteral("Picture"));
    else
        window.write("Picture", layout.picture);
    return ini.save();
}

} // namespace config
