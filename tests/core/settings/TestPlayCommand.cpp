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
        const config::AppState state;
        const settings::PlayLine line =
            settings::buildPlayCommandLine(path, rom, cell<QString>("type"), record, exec::Emulator(state));
        QTEST(line.read.outcome, "outcome");
        QTEST(line.commandLine, "expected");
        QTEST(line.arguments, "arguments");
    }

    // Each setting away from its default, in today's emulator's spelling ("field=token|...").
    void todayArguments_data() {
        columns<QString, QString, QString>({"kind", "settings", "arguments"});
        row("resolution", "Raster", "resolution=-640x480", "pong -resolution 640x480");
        row("same spelling", "Raster", "gamma=-gamma 1.20|volume=-volume -5|rotate=-ror|flip=-flipy|noRotate=-norotate",
            "pong -gamma 1.20 -ror -flipy -volume -5 -norotate");
        row("sample rate", "Raster", "sampleRate=-sr 44100", "pong -samplerate 44100");
        row("beam and flicker", "Vector", "beam=-beam 2.5|flicker=-flicker 50",
            "pong -beam_width_min 2.5 -beam_width_max 2.5 -flicker 50");
        row("vector settings of a raster game", "Raster", "beam=-beam 2.5|flicker=-flicker 50", "pong");
        row("no sound card", "Raster", "soundCard=-soundcard 0", "pong -sound none");
        row("a sound card", "Raster", "soundCard=-soundcard 3", "pong");
        row("controller", "Raster", "controller=-joy Standard", "pong -joystick");
        row("no controller, hand-edited", "Raster", "controller=-JOY NONE", "pong");
        row("frame skip", "Raster", "frameSkip=-frameskip 12", "pong -frameskip 10");
        row("no frame skip", "Raster", "frameSkip=-frameskip 0", "pong -frameskip 0");
        row("both vsyncs, once", "Raster", "vsync=-vsync|waitVsync=-waitvsync", "pong -waitvsync");
        row("switches", "Raster", "samples=-nosamples|mouse=-nomouse|cheat=-cheat|debug=-debug",
            "pong -nosamples -nomouse -cheat -debug");
        row("no equivalent", "Vector",
            "vgaFreq=-vgafreq 1|monitor=-monitor pal|depth=-depth 16|vesaMode=-vesamode vesa2|"
            "skipColumns=-skipcolumns 3|centerY=-centery 2|tweak=-tweak|scanlines=-noscanlines|"
            "alwaysSynced=-alwayssynced|stretch=-nostretch|waitInterlace=-waitinterlace|tripleBuffer=-triplebuffer|"
            "ntsc=-ntsc|artwork=-noartwork|antialias=-noantialias|translucency=-notranslucency|stereo=-nostereo|"
            "sampleBits=-sb 16|ym3812=-ym3812opl|hotRod=-hotrod",
            "pong");
        row("parameters word by word", "Raster", "parameters=-skip_gameinfo   -window", "pong -skip_gameinfo -window");
    }
    void todayArguments() {
        SettingsRecord record = SettingsRecord::defaults();
        for (const QString& setting : cell<QString>("settings").split(u'|')) {
            for (int field = 0; field < settings::FieldCount; ++field) {
                if (settings::fieldName(Field(field)) == setting.section(u'=', 0, 0))
                    record.token(Field(field)) = setting.section(u'=', 1);
            }
        }
        QTemporaryDir dir;
        QVERIFY(settings::writeSettingsFile(dir.path() + "/pong.cfg", settings::kindOf(cell<QString>("kind")), record));
        SettingsRecord read = SettingsRecord::defaults();
        const config::AppState state;
        const settings::PlayLine line = settings::buildPlayCommandLine(
            dir.path() + u'/', "pong", cell<QString>("kind"), read, exec::Emulator(state, exec::Interface::Today));
        QCOMPARE(line.arguments, cell<QString>("arguments").split(u' ')); // each word an argument of its own
        QCOMPARE(line.commandLine, "mame " + cell<QString>("arguments"));
    }
};

QTEST_GUILESS_MAIN(TestPlayCommand)
#include "TestPlayCommand.moc"
