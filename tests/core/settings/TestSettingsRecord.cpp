#include "core/settings/SettingsRecord.h"
#include "support/FormText.h"
#include "support/TableRows.h"

class TestSettingsRecord : public QObject {
    Q_OBJECT
private slots:
    // Each list: its item count, first, last and default items (the defaults files show the default tokens).
    void lists_data() {
        columns<QStringList>({"list"});
        const QString lists =
            "resolution|17|Auto|1600x1200|Auto;vgaFreq|4|0|3|0;monitor|4|Standard|Arcade|Standard;gamma|31|0.50|2.00|1."
            "00;"
            "depth|3|Auto|16|Auto;vesaMode|5|Auto|Vesa3|Auto;skipColumns|51|-25|25|0;skipLines|51|-25|25|0;"
            "rotate|3|None|Left|None;flip|3|None|Vertically|None;centerX|17|-8|8|0;centerY|33|-16|16|0;"
            "beam|151|1.0|16.0|1.0;flicker|101|0|100|0;soundCard|9|Ask|Ensoniq Soundscape|Ask;"
            "sampleRate|3|11025|44100|22050;sampleBits|2|8|16|8;volume|33|-32|0|0;controller|23|None|N64Lpt3|None;"
            "hotRod|3|None|HotRodSE|None;frameSkip|14|None|12 out of 12|Auto";
        for (const QString& list : lists.split(u';'))
            row(qPrintable(list.section(u'|', 0, 0)), list.split(u'|'));
    }
    void lists() {
        const QStringList& expected = cell<QStringList>("list");
        const settings::ListSetting* list = settings::listSetting(fieldNamed(expected[0]));
        QCOMPARE((QStringList{expected[0], QString::number(list->items.size()), list->items.first(), list->items.last(),
                              list->items.value(list->defaultPosition)}),
                 expected);
    }
    // A position in a list and the token it gives; none for a position the list does not have.
    void tokens_data() {
        columns<QStringList>({"token"});
        const QString tokens =
            "resolution|16|-1600x1200;vesaMode|3|-vesamode vesa2l;gamma|29|-gamma 1.95;beam|147|-beam 15.7;"
            "skipColumns|0|-skipcolumns -25;rotate|1|-ror;flip|2|-flipy;soundCard|1|-soundcard 0;"
            "soundCard|8|-soundcard 7;controller|4|-joy 4Button;frameSkip|0|-frameskip 0;"
            "frameSkip|13|-frameskip 12;hotRod|2|-hotrodse;gamma|31|;gamma|-1|;hotRod|32767|";
        for (const QString& token : tokens.split(u';'))
            row(qPrintable(token), token.split(u'|'));
    }
    void tokens() {
        const QStringList& token = cell<QStringList>("token");
        QCOMPARE(settings::listSetting(fieldNamed(token[0]))->token(token[1].toInt()), token[2]);
    }
    void parameters() {
        QCOMPARE(settings::addParamsToken("-Cheat -VSYNC"), "-cheat -vsync");
        QCOMPARE(settings::addParamsToken(""), "none");
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "TestSettingsRecord.moc"
