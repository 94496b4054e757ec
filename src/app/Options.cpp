#include "app/Options.h"

#include "app/IniFile.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace app {
namespace {

const QString Preferences = QStringLiteral("Preferences");
const QString Directories = QStringLiteral("Directories");
const QString ShutDown = QStringLiteral("ShutDown");

constexpr qint64 IntMin = std::numeric_limits<qint32>::min();
constexpr qint64 IntMax = std::numeric_limits<qint32>::max();

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

    QString text(const QString& section, const QString& key, const QString& fallback) {
        return ReadIni(m_file, section, key, fallback);
    }

    bool boolean(const QString& section, const QString& key, bool fallback) {
        return check(toBoolean(text(section, key, iniText(fallback))), fallback);
    }

    qint64 number(const QString& section, const QString& key, qint64 fallback, qint64 min, qint64 max) {
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

bool readOptions(const QString& iniFile, AppState& state, ShutDownState& shutDown) {
    OptionReader ini(iniFile);
    // Colours are 32-bit values; accept them signed or unsigned, as either may have been stored.
    constexpr qint64 ColourMin = std::numeric_limits<qint32>::min();
    constexpr qint64 ColourMax = std::numeric_limits<quint32>::max();

    state.GameList = ini.text(Preferences, QStringLiteral("GameList"), QStringLiteral("Retro"));
    state.HideClones = ini.boolean(Preferences, QStringLiteral("HideClones"), false);
    state.CloneShots = ini.boolean(Preferences, QStringLiteral("CloneShots"), false);
    state.DisableHotKeys = ini.boolean(Preferences, QStringLiteral("DisableHotKeys"), true);
    state.UseStarfield = ini.boolean(Preferences, QStringLiteral("UseStarfield"), true);
    state.BackColor = quint32(ini.number(Preferences, QStringLiteral("BackColor"), 0, ColourMin, ColourMax));
    state.ForeColor = quint32(ini.number(Preferences, QStringLiteral("ForeColor"), 0, ColourMin, ColourMax));

    state.setMAMEPath(ini.text(Directories, QStringLiteral("MAME"), QString()));
    state.ROMPath = ini.text(Directories, QStringLiteral("RetroROMs"), QString());
    state.NeoROMPath = ini.text(Directories, QStringLiteral("NeoGeoROMs"), QString());
    state.SamPath = ini.text(Directories, QStringLiteral("Samples"), QString());
    state.SnapPath = ini.text(Directories, QStringLiteral("Snapshots"), QString());

    shutDown.MAMEDate = ini.text(ShutDown, QStringLiteral("MAMEDate"), QString());
    shutDown.GameView = ini.text(ShutDown, QStringLiteral("GameView"), QStringLiteral("All Games"));
    // Out-of-range positions and sort columns are the list views' to correct, not a damaged file.
    const auto index = [&](const char* key) {
        return int(ini.number(ShutDown, QLatin1String(key), 1, IntMin, IntMax));
    };
    const auto small = [&](const char* key) {
        return int(ini.number(ShutDown, QLatin1String(key), 0, IntMin, IntMax));
    };
    shutDown.AllIndex = index("AllIndex");
    shutDown.AllSortKey = small("AllSortKey");
    shutDown.AllSortOrder = small("AllSortOrder");
    shutDown.InstalledIndex = index("InstalledIndex");
    shutDown.InstalledSortKey = small("InstalledSortKey");
    shutDown.InstalledSortOrder = small("InstalledSortOrder");
    shutDown.UninstalledIndex = index("UninstalledIndex");
    shutDown.UninstalledSortKey = small("UninstalledSortKey");
    shutDown.UninstalledSortOrder = small("UninstalledSortOrder");
    shutDown.ScreenShots = ini.boolean(ShutDown, QStringLiteral("ScreenShots"), false);
    return !ini.failed();
}

void writeSetup(const QString& iniFile, const AppState& state) {
    const auto preference = [&](const char* key, const QString& value) {
        WriteIni(iniFile, Preferences, QLatin1String(key), value);
    };
    preference("GameList", state.GameList);
    preference("HideClones", iniText(state.HideClones));
    preference("CloneShots", iniText(state.CloneShots));
    preference("DisableHotKeys", iniText(state.DisableHotKeys));
    preference("UseStarfield", iniText(state.UseStarfield));
    preference("BackColor", iniText(qint64(state.BackColor)));
    preference("ForeColor", iniText(qint64(state.ForeColor)));

    const auto directory = [&](const char* key, const QString& value) {
        WriteIni(iniFile, Directories, QLatin1String(key), value);
    };
    directory("MAME", state.MAMEPath);
    directory("RetroROMs", state.ROMPath);
    directory("NeoGeoROMs", state.NeoROMPath);
    directory("Samples", state.SamPath);
    directory("Snapshots", state.SnapPath);
}

void writeShutDown(const QString& iniFile, const ShutDownState& shutDown) {
    const auto write = [&](const char* key, const QString& value) {
        WriteIni(iniFile, ShutDown, QLatin1String(key), value);
    };
    write("MAMEDate", shutDown.MAMEDate);
    write("GameView", shutDown.GameView);
    write("AllIndex", iniText(qint64(shutDown.AllIndex)));
    write("AllSortKey", iniText(qint64(shutDown.AllSortKey)));
    write("AllSortOrder", iniText(qint64(shutDown.AllSortOrder)));
    write("InstalledIndex", iniText(qint64(shutDown.InstalledIndex)));
    write("InstalledSortKey", iniText(qint64(shutDown.InstalledSortKey)));
    write("InstalledSortOrder", iniText(qint64(shutDown.InstalledSortOrder)));
    write("UninstalledIndex", iniText(qint64(shutDown.UninstalledIndex)));
    write("UninstalledSortKey", iniText(qint64(shutDown.UninstalledSortKey)));
    write("UninstalledSortOrder", iniText(qint64(shutDown.UninstalledSortOrder)));
    write("ScreenShots", iniText(shutDown.ScreenShots));
}

} // namespace app
