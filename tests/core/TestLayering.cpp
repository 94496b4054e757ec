#include "support/TableRows.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

// The folders of src/, lowest first: a folder may include its own headers and those of the
// folders before it in its library, and any core header from gui/; app/ is included by nobody.
const QStringList CoreAreas = {"io",       "config", "exec",    "artwork",     "catalogue",
                               "settings", "audit",  "history", "maintenance", "setup"};
const QStringList GuiAreas = {"common", "catalogue", "settings", "audit", "maintenance", "setup", "about"};

struct Folder {
    QString library; // "core", "gui", "app"
    QString area;    // empty for app
    int rank = 0;
    QString name() const { return area.isEmpty() ? library : library + u'/' + area; }
};

std::optional<Folder> folderOf(const QString& path) {
    const QStringList parts = path.split(u'/');
    if (parts.value(0) == u"app")
        return Folder{QStringLiteral("app"), QString(), 0};
    const QStringList& areas = parts.value(0) == u"core" ? CoreAreas : GuiAreas;
    if ((parts.value(0) != u"core" && parts.value(0) != u"gui") || !areas.contains(parts.value(1)))
        return std::nullopt;
    return Folder{parts.value(0), parts.value(1), int(areas.indexOf(parts.value(1)))};
}

// Every include against the direction of the layers and every Qt header outside Qt Core in the core
// library, as readable lines. Folders that keep to the layers cannot include each other in a loop.
QStringList layeringProblems(const QString& sourceRoot, const QStringList& coreQtIncludes) {
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QStringList problems;
    QDirIterator files(sourceRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = QDir(sourceRoot).relativeFilePath(files.next());
        const std::optional<Folder> from = folderOf(file);
        if (!from) {
            problems << file + QStringLiteral(": lies in no known folder");
            continue;
        }
        const QStringList lines = QString::fromUtf8(readFile(sourceRoot + u'/' + file)).split(u'\n');
        for (qsizetype number = 0; number < lines.size(); ++number) {
            const QRegularExpressionMatch match = include.match(lines[number]);
            if (!match.hasMatch())
                continue;
            const QString header = match.captured(2);
            const QString where = QStringLiteral("%1:%2: %3").arg(file).arg(number + 1).arg(header);
            if (match.captured(1) == u"<") {
                const bool qt = header.startsWith(u'Q') && !header.contains(u'.');
                const auto offered = [&header](const QString& folder) {
                    return QFileInfo::exists(folder + u'/' + header);
                };
                if (from->library == u"core" && qt &&
                    std::none_of(coreQtIncludes.cbegin(), coreQtIncludes.cend(), offered))
                    problems << where + QStringLiteral(" is not a Qt Core or Qt SQL header");
                continue;
            }
            if (header == u"MarqueonVersion.h")
                continue;
            const std::optional<Folder> to = folderOf(header);
            if (!to) {
                problems << where + QStringLiteral(" does not name its library and area");
                continue;
            }
            if (to->library == u"app" && from->library != u"app")
                problems << where + QStringLiteral(" reaches up into the program");
            else if (from->library == u"core" && to->library != u"core")
                problems << where + QStringLiteral(" reaches from the core into the windows");
            else if (from->library == to->library && from->library != u"app" && to->rank > from->rank)
                problems << where + QStringLiteral(" reaches up to a higher area");
        }
    }
    return problems;
}

} // namespace

class TestLayering : public QObject {
    Q_OBJECT

private slots:
    void sourcesKeepTheirLayers() {
        const QStringList problems =
            layeringProblems(QStringLiteral(MARQUEON_SOURCE_DIR "/src"),
                             {QStringLiteral(QT_CORE_INCLUDE_DIR), QStringLiteral(QT_SQL_INCLUDE_DIR)});
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "TestLayering.moc"
