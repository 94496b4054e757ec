#include "setup/Version.h"

#include "app/TextFile.h"

#include <QStringList>

namespace setup {
namespace {

const QString Unknown = QStringLiteral("Unknown");

bool isBanner(const QString& line) {
    return line.startsWith(QStringLiteral("M.A.M.E."));
}

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

QString withoutCarriageReturn(QString line) {
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

} // namespace

QString versionFromHelpText(const QString& text) {
    for (const QString& line : text.split(u'\n')) {
        if (isBanner(line))
            return versionFromBanner(withoutCarriageReturn(line));
    }
    return Unknown;
}

QString versionFromHelp(const QString& helpOutputPath) {
    app::LineReader output(helpOutputPath);
    QString line;
    while (output.next(line)) {
        if (isBanner(line))
            return versionFromBanner(line);
    }
    return Unknown;
}

} // namespace setup
