#include "core/settings/OptionString.h"
#include "support/FormText.h"
#include "support/TableRows.h"

using settings::SettingsKind;
using settings::SettingsRecord;

class TestOptionString : public QObject {
    Q_OBJECT
private slots:
    // The tokens changed from the defaults, as "field:token" joined by ";".
    void build_data() {
        columns<SettingsKind, QString, QString>({"kind", "changed", "options"});
        const SettingsKind raster = SettingsKind::Raster, vector = SettingsKind::Vector;
        row("raster at defaults", raster, "", "");
        row("switches both ways", raster, "cheat:-cheat;scanlines:-noscanlines;tweak:-tweak",
            " -tweak -noscanlines -cheat");
        row("command-line order", raster,
            "debug:-debug;frameSkip:-frameskip 0;tweak:-tweak;controller:-joy 4Button;parameters:-foo a,b;"
            "soundCard:-soundcard 0;resolution:-640x480",
            " -640x480 -soundcard 0 -foo a,b -joy 4Button -frameskip 0 -tweak -debug");
        const char* vectorValues =
            "beam:-beam 2.0;flicker:-flicker 5;antialias:-noantialias;translucency:-notranslucency;debug:-debug";
        row("raster never sends vector settings", raster, vectorValues, " -debug");
        row("vector settings come last", vector, vectorValues,
            " -debug -beam 2.0 -flicker 5 -noantialias -notranslucency");
        row("capitals", raster, "monitor:-MONITOR STANDARD;controller:-joy none", " -MONITOR STANDARD -joy none");
        row("empty token", raster, "rotate:", " ");
    }
    void build() {
        SettingsRecord record = SettingsRecord::defaults();
        for (const QString& change : cell<QString>("changed").split(u';', Qt::SkipEmptyParts))
            record.token(fieldNamed(change.section(u':', 0, 0))) = change.section(u':', 1);
        QTEST(settings::buildOptionString(record, cell<SettingsKind>("kind")), "options");
    }
    // Collapsing, then the length rule: N = collapsed options + 13, at most 131.
    void lengthRule_data() {
        columns<QString, QString, int>({"options", "collapsed", "refusedLength"}); // 0: allowed
        row("two blanks", "a  b", "a b", 0);
        row("three become two", "a   b", "a  b", 0);
        row("four become two", "    ", "  ", 0);
        row("single blanks stay", " a b ", " a b ", 0);
        row("empty", "", "", 0);
        row("118 characters: 131", " " + QString(117, u'x'), " " + QString(117, u'x'), 0);
        row("119 characters: 132", " " + QString(118, u'x'), " " + QString(118, u'x'), 132);
        row("119 before collapsing", "  " + QString(117, u'x'), " " + QString(117, u'x'), 0);
        row("140 characters", QString(127, u'x'), QString(127, u'x'), 140);
    }
    void lengthRule() {
        const QString& options = cell<QString>("options");
        const int length = cell<int>("refusedLength");
        QTEST(settings::collapseSpaces(options), "collapsed");
        // "The settings you selected form a command line 132 characters long. ..."
        QCOMPARE(settings::lengthRuleMessage(options).value_or(QString()).section(u' ', 8, 8),
                 length ? QString::number(length) : QString());
    }
};

QTEST_GUILESS_MAIN(TestOptionString)
#include "TestOptionString.moc"
