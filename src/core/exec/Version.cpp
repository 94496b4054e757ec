#include "core/exec/Version.h"

#include "core/io/LineReader.h"

namespace exec {
namespace {

QString versionFromBanner(QString banner) {
    // The date in parentheses goes with the blank before it; the version words stay whole
    // even when no blank separates them from the date.
    const qsizetype parenthesis = banner.indexOf(u'(');
    if (parenthesis >= 0) {
        banner.truncate(parenthesis);
        while (!banner.isEmpty() && banner.back().isSpace())
            banner.chop(1);
    }
    return banner.replace(u'v', QStringLiteral("Version "), Qt::CaseSensitive);
}

} // namespace

QString versionFromHelp(const QString& helpOutputPath) {
    io::LineReader output(helpOutputPath);
    QByteArrayView line;
    while (output.next(line)) {
        if (line.startsWith("M.A.M.E.") || line.startsWith("MAME v"))
            return versionFromBanner(QString::fromLatin1(line));
    }
    return QStringLiteral("Unknown");
}

} // namespace exec
