// The user's mame.ini with Marqueon's three directory keys merged in.
#include "FuzzSupport.h"

#include "core/maintenance/MameIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("mame.ini"));
    static const maintenance::IniDirectories directories{QStringLiteral("/games/roms;/games/neo geo"),
                                                         QStringLiteral("/games/samples"),
                                                         QStringLiteral("/games/snap #1")};
    fuzz::writeFile(path, fuzz::bytes(data, size));
    fuzz::expect(maintenance::writeMameIniDirectories(path, directories), "the file can be written");
    const QByteArray merged = fuzz::readFile(path);
    for (const char* line :
         {"rompath                   \"/games/roms;/games/neo geo\"", "samplepath                /games/samples",
          "snapshot_directory        \"/games/snap #1\""})
        fuzz::expect(merged.contains(line), "each key holds its directory");
    fuzz::expect(maintenance::writeMameIniDirectories(path, directories) && fuzz::readFile(path) == merged,
                 "merging again changes nothing");
    return 0;
}
