// The emulator's -help answer: the version it states and the interface it speaks.
#include "FuzzSupport.h"

#include "core/exec/Emulator.h"
#include "core/exec/Version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("help.txt"));
    const QByteArrayView help = fuzz::bytes(data, size);
    fuzz::writeFile(path, help);
    const QString version = exec::versionFromHelp(path);
    const std::optional<exec::Interface> interface = exec::interfaceFromHelp(help);
    fuzz::expect(!version.isEmpty(), "a version or \"Unknown\"");
    fuzz::expect(!interface || version != QLatin1String("Unknown"), "an emulator's banner states its version");
    return 0;
}
