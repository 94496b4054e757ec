#include "core/maintenance/MameIni.h"

#include "core/io/MameIniFile.h"

namespace maintenance {

bool writeMameIniDirectories(const QString& path, const IniDirectories& directories) {
    std::optional<io::MameIniFile> file = io::MameIniFile::read(path);
    if (!file || !file->set(QStringLiteral("rompath"), directories.rompath) ||
        !file->set(QStringLiteral("samplepath"), directories.samplepath) ||
        !file->set(QStringLiteral("snapshot_directory"), directories.snapshotDirectory))
        return false;
    return file->save();
}

} // namespace maintenance
