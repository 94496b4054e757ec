#include "core/maintenance/MameCfg.h"

#include "core/io/TextFile.h"

#include <QFileInfo>

namespace maintenance {
namespace {

QString rompathLine(const CfgDirectories& d) {
    return QStringLiteral("rompath = ") + d.rompath;
}
QString samplepathLine(const CfgDirectories& d) {
    return QStringLiteral("samplepath = ") + d.samples;
}
QString snapLine(const CfgDirectories& d) {
    return QStringLiteral("snap = ") + d.snapshots;
}

} // namespace

QString romPathFor(config::ListChoice choice, const QString& romPath, const QString& neoRomPath,
                   const QString& previous) {
    switch (choice) {
    case config::ListChoice::Retro:
        return romPath;
    case config::ListChoice::NeoGeo:
        return neoRomPath;
    case config::ListChoice::All:
        return romPath == neoRomPath ? romPath : romPath + u';' + neoRomPath;
    case config::ListChoice::None:
        break;
    }
    return previous;
}

bool writeMameCfg(const QString& path, const CfgDirectories& directories) {
    return io::writeLines(path, {QStringLiteral("[directory]"), rompathLine(directories), samplepathLine(directories),
                                 snapLine(directories)});
}

bool updateMameCfg(const QString& path, const CfgDirectories& directories) {
    if (!QFileInfo::exists(path))
        return writeMameCfg(path, directories);
    const std::optional<QStringList> lines = io::readLines(path);
    if (!lines)
        return false;
    QStringList merged = *lines;
    for (QString& line : merged) {
        const QStringView prefix = QStringView(line).left(7);
        if (prefix == u"rompath")
            line = rompathLine(directories);
        else if (prefix == u"samplep")
            line = samplepathLine(directories);
        else if (prefix == u"snap = ")
            line = snapLine(directories);
    }
    return io::writeLines(path, merged);
}

QString mameCfgPath(const config::AppState& state) {
    return state.directories.mame + QStringLiteral("mame.cfg");
}

bool writeDirectories(config::AppState& state, CfgWrite mode) {
    const config::Directories& d = state.directories;
    state.mameRomPath = romPathFor(state.preferences.listChoice, d.retroRoms, d.neoGeoRoms, state.mameRomPath);
    const CfgDirectories lines{state.mameRomPath, d.samples, d.snapshots};
    return mode == CfgWrite::Replace ? writeMameCfg(mameCfgPath(state), lines)
                                     : updateMameCfg(mameCfgPath(state), lines);
}

QString cfgUnwritableMessage(const config::AppState& state) {
    return QStringLiteral("The mame.cfg file could not be written in ") + state.directories.mame;
}

} // namespace maintenance
