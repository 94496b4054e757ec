#include "settings/PlayCommand.h"
#include "support/TestSandbox.h"

#include <QTemporaryDir>
#include <QTest>

using settings::Field;
using settings::SettingsKind;
using settings::SettingsRecord;
using Outcome = settings::ReadResult::Outcome;

class TestPlayCommand : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandLine_data();
    void commandLine();
    void shortFileKeepsEarlierValues();
    void unreadableFileRunsNothing();

private:
    void write(const QString& name, SettingsKind kind, Field field, const QString& token) const;
    QString settingsPath() const { return m_dir->path() + u'/'; }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPlayCommand::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPlayCommand::write(const QString& name, SettingsKind kind, Field field, const QString& token) const {
    SettingsRecord record = SettingsRecord::defaults();
    record.token(field) = token;
    QVERIFY(settings::WriteSettingsFile(settingsPath() + name, kind, record));
}

void TestPlayCommand::commandLine_data() {
    QTest::addColumn<QString>("rom");
    QTest::addColumn<bool>("rasterDefaults");
    QTest::addColumn<bool>("vectorDefaults");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QString>("type");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no settings files") << "pacman" << false << false << false << "Raster" << Outcome::Missing
                                       << "mame pacman";
    QTest::newRow("raster defaults") << "pacman" << true << true << false << "Raster" << Outcome::Complete
                                     << "mame pacman -tweak";
    QTest::newRow("vector defaults") << "asteroid" << true << true << false << "Vector" << Outcome::Complete
                                     << "mame asteroid -beam 2.0";
    QTest::newRow("only the other kind's defaults")
        << "asteroid" << true << false << false << "Vector" << Outcome::Missing << "mame asteroid";
    QTest::newRow("custom before defaults")
        << "pacman" << true << true << true << "Raster" << Outcome::Complete << "mame pacman -monitor pal -joy 4button";
    QTest::newRow("capitals lower-cased") << "PacMan" << false << false << true << "Raster" << Outcome::Complete
                                          << "mame pacman -monitor pal -joy 4button";
}

void TestPlayCommand::commandLine() {
    QFETCH(QString, rom);
    QFETCH(bool, rasterDefaults);
    QFETCH(bool, vectorDefaults);
    QFETCH(bool, custom);
    QFETCH(QString, type);
    QFETCH(Outcome, outcome);
    QFETCH(QString, expected);

    if (rasterDefaults)
        write("raster.cfg", SettingsKind::Raster, Field::Tweak, "-tweak");
    if (vectorDefaults)
        write("vector.cfg", SettingsKind::Vector, Field::Beam, "-beam 2.0");
    if (custom) {
        SettingsRecord record = SettingsRecord::defaults();
        record.token(Field::Monitor) = "-MONITOR PAL";
        record.token(Field::Controller) = "-joy 4Button";
        QVERIFY(settings::WriteSettingsFile(settingsPath() + rom + ".cfg", SettingsKind::Raster, record));
    }
    SettingsRecord record = SettingsRecord::defaults();
    const settings::PlayLine line = settings::buildPlayCommandLine(settingsPath(), rom, type, record);
    QCOMPARE(line.commandLine, expected);
    QCOMPARE(line.read.outcome, outcome);
}

void TestPlayCommand::shortFileKeepsEarlierValues() {
    // A custom file in the raster layout for a vector game: the vector settings already in the
    // record still count.
    write("tempest.cfg", SettingsKind::Raster, Field::AddParams, "-foo ");
    SettingsRecord record = SettingsRecord::defaults();
    record.token(Field::Translucency) = "-notranslucency";
    const settings::PlayLine line = settings::buildPlayCommandLine(settingsPath(), "tempest", "Vector", record);
    QCOMPARE(line.read.outcome, Outcome::EndedEarly);
    QCOMPARE(line.commandLine, "mame tempest -foo -notranslucency");
}

void TestPlayCommand::unreadableFileRunsNothing() {
    writeFile(settingsPath() + "raster.cfg", "\"-auto\",zero\r\n");
    SettingsRecord record = SettingsRecord::defaults();
    record.token(Field::Tweak) = "-tweak"; // left over from another game
    const settings::PlayLine line = settings::buildPlayCommandLine(settingsPath(), "pacman", "Raster", record);
    QCOMPARE(line.read.outcome, Outcome::Unreadable);
    QCOMPARE(line.commandLine, QString());
}

QTEST_GUILESS_MAIN(TestPlayCommand)
#include "TestPlayCommand.moc"
