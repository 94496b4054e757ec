#include "core/catalogue/CatalogueInfo.h"

#include "core/io/TextFile.h"

#include <algorithm>

namespace catalogue {
namespace {

// One "key value" line each; a game that needs no ROM file has a line of its own.
const QString InterfaceKey = QStringLiteral("interface");
const QString NeoGeoKey = QStringLiteral("neogeo");
const QString RomlessKey = QStringLiteral("romless");

} // namespace

std::optional<CatalogueInfo> readCatalogueInfo(const QString& path) {
    const std::optional<QStringList> lines = io::readLines(path);
    if (!lines)
        return std::nullopt;
    CatalogueInfo info;
    bool named = false;
    for (const QString& line : *lines) {
        const QString key = line.section(u' ', 0, 0);
        const QString value = line.section(u' ', 1);
        if (key == InterfaceKey) {
            const std::optional<exec::Interface> interface = exec::interfaceFromWord(value);
            named = interface.has_value();
            info.interface = interface.value_or(exec::Interface::Classic);
        } else if (key == NeoGeoKey) {
            bool ok = false;
            info.neoGeoFrom = value.toInt(&ok);
            if (!ok || info.neoGeoFrom < 0)
                info.neoGeoFrom = -1;
        } else if (key == RomlessKey && !value.isEmpty()) {
            info.romless.insert(value);
        }
    }
    return named ? std::optional(info) : std::nullopt;
}

bool writeCatalogueInfo(const QString& path, const CatalogueInfo& info) {
    QStringList lines{InterfaceKey + u' ' + exec::interfaceWord(info.interface)};
    if (info.neoGeoFrom >= 0)
        lines << NeoGeoKey + u' ' + QString::number(info.neoGeoFrom);
    QStringList romless(info.romless.cbegin(), info.romless.cend());
    std::sort(romless.begin(), romless.end());
    for (const QString& name : romless)
        lines << RomlessKey + u' ' + name;
    return io::writeLines(path, lines);
}

} // namespace catalogue
