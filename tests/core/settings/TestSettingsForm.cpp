#include "support/FormText.h"
#include "support/TableRows.h"

using settings::Field;
using settings::SettingsForm;
using settings::SettingsKind;
using settings::SettingsRecord;

class TestSettingsForm : public QObject {
    Q_OBJECT
private slots:
    // The monitor and sound rules, the controls that can be changed, and whether the form says
    // more than the defaults. Expected "=": the rules change nothing.
    void rules_data() {
        columns<QString, QString, QString, bool, bool>({"form", "expected", "disabled", "clear", "atDefaults"});
        const char* standard = "centerX centerY waitInterlace";
        row("defaults", "", "=", standard, false, true);
        row("arcade monitor keeps the centring", "monitor=3 centerX=11 waitInterlace", "=", "", false, false);
        row("standard monitor resets the centring", "centerX=11 centerY=3 waitInterlace", "", standard, false, true);
        row("no sound card resets the sound",
            "monitor=2 soundCard=1 volume=22 sampleRate=2 sampleBits=1 samples stereo ym3812", "monitor=2 soundCard=1",
            "sampleRate sampleBits volume samples stereo ym3812", false, false);
        row("a sound card keeps the sound", "soundCard=2 volume=22 ym3812 stereo", "=", standard, false, false);
        row("vsync", "vsync", "=", standard, true, false);
        row("wait vsync", "waitVsync", "=", standard, true, false);
        row("a hidden vector-only list", "beam=15", "=", standard, false, false);
        row("a hidden vector-only switch", "translucency", "=", standard, false, false);
        row("parameters", "parameters=-cheat", "=", standard, false, false);
    }
    void rules() {
        const QString &form = cell<QString>("form"), &expected = cell<QString>("expected");
        SettingsForm shown = formFrom(form);
        shown.applyMonitorRule();
        shown.applySoundRule();
        QCOMPARE(shown, formFrom(expected == "=" ? form : expected));
        for (int index = 0; index < settings::FieldCount; ++index) {
            const QString name = settings::fieldName(Field(index));
            QVERIFY2(settings::isEnabled(shown, Field(index)) != cell<QString>("disabled").split(u' ').contains(name),
                     qPrintable(name));
        }
        QTEST(settings::clearEnabled(shown), "clear");
        QTEST(shown.atDefaults(), "atDefaults");
        // The two vsync buttons exclude each other.
        shown.chooseVsync(Field::Vsync);
        QVERIFY(shown.on(Field::Vsync) && !shown.on(Field::WaitVsync));
        shown.chooseVsync(Field::WaitVsync);
        QVERIFY(!shown.on(Field::Vsync) && shown.on(Field::WaitVsync));
    }
    // A raster record shown over a form with the beam at 2.5 and Antialias off (more: TestSettingsSession).
    void show() {
        SettingsRecord record = SettingsRecord::defaults();
        record.position(Field::Gamma) = 31; // past the list's end
        record.position(Field::Flip) = -1;
        record.position(Field::CenterX) = 3; // with a standard monitor
        record.position(Field::SoundCard) = 1;
        record.position(Field::SampleRate) = 0;
        record.token(Field::Ym3812) = QStringLiteral("-ym3812opl");
        record.token(Field::Tweak) = QStringLiteral("-TWEAK"); // anything but the off token is on
        SettingsForm shown = formFrom("beam=15 antialias parameters=-old");
        shown.show(record, SettingsKind::Raster);
        QCOMPARE(shown, formFrom("soundCard=1 tweak beam=15 antialias"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsForm)
#include "TestSettingsForm.moc"
