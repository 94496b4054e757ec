#include "core/settings/SettingsRecord.h"
#include "support/FormText.h"
#include "support/TableRows.h"

class TestSettingsRecord : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "TestSettingsRecord.moc"
