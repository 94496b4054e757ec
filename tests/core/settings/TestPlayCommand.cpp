#include "core/settings/PlayCommand.h"
#include "support/TableRows.h"

using settings::Field;
using settings::SettingsKind;
using settings::SettingsRecord;
using Outcome = settings::ReadResult::Outcome;

class TestPlayCommand : public QObject {
    Q_OBJECT
private slots:
    // The settings files there, each in the raster layout: r for the raster defaults, c for the
    // game's custom file, s for a custom file of a vector game, u for unreadable raster defaults.
    void commandLine_data() {
        columns<QString, QString, QString, Outcome, QString, QStringList>(
            {"rom", "type", "files", "outcome", "expected", "arguments"});
        using L = QStringList;
        row("no settings files", "pacman", "Raster", "", Outcome::Missing, "mame pacman", L{"pacman"});
        row("only the other kind's defaults", "asteroid", "Vector", "r", Outcome::Missing, "mame asteroid",
            L{"asteroid"});
        row("custom before defaults, lower-cased", "PacMan", "Raster", "rc", Outcome::Complete,
            "mame pacman -monitor pal -joy 4button", L{"pacman", "-monitor", "pal", "-joy", "4button"});
        // The vector settings already in the record still count.
        row("short file keeps earlier values", "tempest", "Vector", "s", Outcome::EndedEarly,
            "mame tempest -foo -notranslucency", L{"tempest", "-foo", "-notranslucency"});
        // The record still holds another game's settings: nothing is fit to run.
        row("unreadable file runs nothing", "pacman", "Raster", "u", Outcome::Unreadable, "", L{});
    }
    void commandLine() {
        const QString &rom = cell<QString>("rom"), &files = cell<QString>("files");
        QTemporaryDir dir;
        const QString path = dir.path() + u'/';
        const auto write = [&](const QString& name, const QString& parameters) {
            SettingsRecord record = SettingsRecord::defaults();
            record.token(Field::AddParams) = parameters;
            QVERIFY(settings::writeSettingsFile(path + name, SettingsKind::Raster, record));
        };
        if (files.contains('r'))
            write("raster.cfg", "-raster");
        if (files.contains('c') || files.contains('s'))
            write(rom + ".cfg", files.contains('c') ? "-MONITOR PAL  -joy 4Button" : "-foo");
        if (files.contains('u'))
            writeFile(path + "raster.cfg", "\"-auto\",zero\r\n");
        SettingsRecord record = SettingsRecord::defaults();
        record.token(Field::Translucency) = QStringLiteral("-notranslucency"); // left over from another game
        record.token(Field::Tweak) = QStringLiteral("-tweak");
        const settings::PlayLine line = settings::buildPlayCommandLine(path, rom, cell<QString>("type"), record);
        QTEST(line.read.outcome, "outcome");
        QTEST(line.commandLine, "expected");
        QTEST(line.arguments, "arguments");
    }
};

QTEST_GUILESS_MAIN(TestPlayCommand)
#include "TestPlayCommand.moc"
