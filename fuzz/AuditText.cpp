// The single-game audit's text from the emulator's four answers.
#include "FuzzSupport.h"

#include "core/audit/AuditText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString files[] = {
        fuzz::scratchPath(QStringLiteral("verifyroms.txt")), fuzz::scratchPath(QStringLiteral("verifysamples.txt")),
        fuzz::scratchPath(QStringLiteral("listroms.txt")), fuzz::scratchPath(QStringLiteral("listsamples.txt"))};
    // The four answers, a NUL byte apart.
    const QList<QByteArrayView> answers = fuzz::parts(fuzz::bytes(data, size), '\0', 4);
    for (int i = 0; i < 4; ++i)
        fuzz::writeFile(files[i], answers[i]);
    const QString text = audit::auditText(files[0], files[1], files[2], files[3]);
    fuzz::expect(text.startsWith(QStringLiteral("ROMs\r\n")) && text.contains(QStringLiteral("\r\nSamples\r\n")),
                 "both headings are there");
    return 0;
}
