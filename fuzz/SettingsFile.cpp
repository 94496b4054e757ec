// Settings files of both kinds: read, and a complete record written reads back the same.
#include "FuzzSupport.h"

#include "core/settings/SettingsFile.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("game.cfg"));
    static const QString copy = fuzz::scratchPath(QStringLiteral("copy.cfg"));
    fuzz::writeFile(path, fuzz::bytes(data, size));

    for (settings::SettingsKind kind : {settings::SettingsKind::Raster, settings::SettingsKind::Vector}) {
        settings::SettingsRecord record = settings::SettingsRecord::defaults();
        const settings::ReadResult result = settings::readSettingsFile(path, kind, record);
        fuzz::expect(result.outcome != settings::ReadResult::Outcome::Missing, "the file is there");
        if (result.outcome != settings::ReadResult::Outcome::Complete)
            continue;
        // A token holding a quote cannot be written as the format stands; the panel never makes one.
        if (std::any_of(record.tokens.cbegin(), record.tokens.cend(),
                        [](const QString& t) { return t.contains(u'"'); }))
            continue;
        fuzz::expect(settings::writeSettingsFile(copy, kind, record), "the copy can be written");
        settings::SettingsRecord again = settings::SettingsRecord::defaults();
        fuzz::expect(settings::readSettingsFile(copy, kind, again).outcome == settings::ReadResult::Outcome::Complete,
                     "the copy reads whole");
        fuzz::expect(again == record, "the copy reads back the same");
    }
    return 0;
}
