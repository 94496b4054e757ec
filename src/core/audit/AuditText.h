#pragma once

#include <QString>

namespace audit {

// The single-game audit's text from the emulator's four answers, in the order a reader wants
// them: the ROM check and the ROM list under "ROMs", the sample check and the sample list
// under "Samples". A file that is missing or empty adds nothing.
QString auditText(const QString& verifyRoms, const QString& verifySamples, const QString& listRoms,
                  const QString& listSamples);

} // namespace audit
