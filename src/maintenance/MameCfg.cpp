#include "maintenance/MameCfg.h"

#include "app/TextFile.h"

#include <QFileInfo>

namespace maintenance {
namespace {

QString rompathLine(const Directories& d) {
    return QStringLiteral("rompath = ") + d.rompath;
}
QString samplepathLine(const Directories& d) {
    return QStringLiteral("samplepath = ") + d.samples;
}
QString snapLine(const Directories& d) {
    return QStringLiteral("snap = ") + d.snapshots;
}

} // namespace

QString MAMERomPath(const QString& gameList, const QString& romPath, const QString& neoRomPath,
                    const QString& previous) {
    if (gameList == u"Retro")
        return romPath;
    if (gameList == u"NeoOnly")
        return neoRomPath;
    if (gameList == u"RetroP")
        return romPath == neoRomPath ? romPath : romPath + u';' + neoRomPath;
    return previous;
}

bool WriteMameCfg(const QString& path, const Directories& directories) {
    return app::writeLines(path, {QStringLiteral("[directory]"), rompathLine(directories), samplepathLine(directories),
                                  snapLine(directories)});
}

bool UpdateMameCfg(const QString& path, const Directories& directories) {
    if (!QFileInfo::exists(path))
        return WriteMameCfg(path, directories);
    const std::optional<QStringList> lines = app::readLines(path);
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
    return app::writeLines(path, merged);
}

} // namespace maintenance
