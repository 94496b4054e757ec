// Today's emulator's -showconfig: the options it holds and the folders they name.
#include "FuzzSupport.h"

#include "core/exec/EmulatorConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const exec::EmulatorConfig config =
        exec::EmulatorConfig::parse(fuzz::bytes(data, size), QStringLiteral("/home/player"), QStringLiteral("/games"));
    for (const char* key :
         {"rompath", "samplepath", "inipath", "cfg_directory", "homepath", "nvram_directory", "snapshot_directory"}) {
        (void)config.value(QLatin1String(key));
        for (const QString& folder : config.paths(QLatin1String(key)))
            fuzz::expect(!folder.isEmpty(), "a folder has a name");
    }
    const QString ini = config.userIniFile();
    fuzz::expect(ini.isEmpty() || ini.startsWith(QLatin1String("/home/player/")), "the user's mame.ini is at home");
    return 0;
}
