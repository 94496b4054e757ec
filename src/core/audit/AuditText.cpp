#include "core/audit/AuditText.h"

#include "core/io/TextFile.h"

namespace audit {
namespace {

const QString LineEnd = QStringLiteral("\r\n");

void appendLines(QString& text, const QString& path) {
    for (const QString& line : io::readLines(path).value_or(QStringList()))
        text += line + LineEnd;
}

} // namespace

QString auditText(const QString& verifyRoms, const QString& verifySamples, const QString& listRoms,
                  const QString& listSamples) {
    QString text = QStringLiteral("ROMs") + LineEnd + QStringLiteral("----------") + LineEnd;
    appendLines(text, verifyRoms);
    appendLines(text, listRoms);
    text += LineEnd + LineEnd + QStringLiteral("Samples") + LineEnd + QStringLiteral("-------------") + LineEnd;
    appendLines(text, verifySamples);
    appendLines(text, listSamples);
    return text;
}

} // namespace audit
