#include "settings/OptionString.h"

#include <QTest>

using settings::Field;
using settings::SettingsKind;
using settings::SettingsRecord;
using Changes = QMap<int, QString>; // field to token

namespace {

Changes changes(std::initializer_list<std::pair<Field, QString>> list) {
    Changes result;
    for (const auto& [field, token] : list)
        result.insert(int(field), token);
    return result;
}

} // namespace

class TestOptionString : public QObject {
    Q_OBJECT

private slots:
    void build_data();
    void build();
    void collapse_data();
    void collapse();
    void lengthRule_data();
    void lengthRule();
};

void TestOptionString::build_data() {
    QTest::addColumn<SettingsKind>("kind");
    QTest::addColumn<Changes>("changed");
    QTest::addColumn<QString>("options");

    const SettingsKind raster = SettingsKind::Raster;
    const SettingsKind vector = SettingsKind::Vector;
    QTest::newRow("raster at defaults") << raster << Changes() << "";
    QTest::newRow("vector at defaults") << vector << Changes() << "";
    QTest::newRow("switches both ways")
        << raster << changes({{Field::Cheat, "-cheat"}, {Field::Scanlines, "-noscanlines"}, {Field::Tweak, "-tweak"}})
        << " -tweak -noscanlines -cheat";
    QTest::newRow("command-line order") << raster
                                        << changes({{Field::Debug, "-debug"},
                                                    {Field::FrameSkip, "-frameskip 0"},
                                                    {Field::Tweak, "-tweak"},
                                                    {Field::Controller, "-joy 4Button"},
                                                    {Field::AddParams, "-foo a,b"},
                                                    {Field::SoundCard, "-soundcard 0"},
                                                    {Field::Resolution, "-640x480"}})
                                        << " -640x480 -soundcard 0 -foo a,b -joy 4Button -frameskip 0 -tweak -debug";
    const Changes vectorValues = changes({{Field::Beam, "-beam 2.0"},
                                          {Field::Flicker, "-flicker 5"},
                                          {Field::Antialias, "-noantialias"},
                                          {Field::Translucency, "-notranslucency"},
                                          {Field::Debug, "-debug"}});
    QTest::newRow("raster never sends vector settings") << raster << vectorValues << " -debug";
    QTest::newRow("vector settings come last")
        << vector << vectorValues << " -debug -beam 2.0 -flicker 5 -noantialias -notranslucency";
    QTest::newRow("capitals differ") << raster
                                     << changes(
                                            {{Field::Monitor, "-MONITOR STANDARD"}, {Field::Controller, "-joy none"}})
                                     << " -MONITOR STANDARD -joy none";
    QTest::newRow("empty token") << raster << changes({{Field::Rotate, ""}}) << " ";
}

void TestOptionString::build() {
    QFETCH(SettingsKind, kind);
    QFETCH(Changes, changed);
    QFETCH(QString, options);

    SettingsRecord record = SettingsRecord::defaults();
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        record.token(Field(it.key())) = it.value();
    QCOMPARE(settings::BuildOptionString(record, kind), options);
}

void TestOptionString::collapse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("collapsed");
    QTest::newRow("two") << "a  b"
                         << "a b";
    QTest::newRow("three become two") << "a   b"
                                      << "a  b";
    QTest::newRow("four become two") << "    "
                                     << "  ";
    QTest::newRow("single blanks stay") << " a b "
                                        << " a b ";
}

void TestOptionString::collapse() {
    QFETCH(QString, text);
    QFETCH(QString, collapsed);
    QCOMPARE(settings::collapseSpaces(text), collapsed);
}

void TestOptionString::lengthRule_data() {
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("message"); // empty: allowed

    const QString refused = "The settings you selected form a command line 132 characters long.\r"
                            "The maximum length Marqueon allows is 131 characters to accomodate MS-DOS.\r"
                            "Please modify the settings and try again.";
    QTest::newRow("118 characters") << " " + QString(117, u'x') << "";
    QTest::newRow("119 characters") << " " + QString(117, u'x') + "y" << refused;
    QTest::newRow("119 before collapsing") << "  " + QString(117, u'x') << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestOptionString::lengthRule() {
    QFETCH(QString, options);
    QFETCH(QString, message);
    QCOMPARE(settings::lengthRuleMessage(options).value_or(QString()), message);
}

QTEST_GUILESS_MAIN(TestOptionString)
#include "TestOptionString.moc"
