// The classic emulator's mame.cfg with Marqueon's directories merged in.
#include "FuzzSupport.h"

#include "core/maintenance/MameCfg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("mame.cfg"));
    static const maintenance::CfgDirectories directories{QStringLiteral("/games/roms/;/games/neogeo/"),
                                                         QStringLiteral("/games/samples/"),
                                                         QStringLiteral("/games/snap/")};
    fuzz::writeFile(path, fuzz::bytes(data, size));
    fuzz::expect(maintenance::updateMameCfg(path, directories), "the file can be written");
    const QByteArray merged = fuzz::readFile(path);
    fuzz::expect(maintenance::updateMameCfg(path, directories) && fuzz::readFile(path) == merged,
                 "merging again changes nothing");
    return 0;
}
