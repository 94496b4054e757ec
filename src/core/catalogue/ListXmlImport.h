#pragma once

#include "core/catalogue/GameRecord.h"
#include "core/catalogue/ListXmlFilter.h"

#include <QByteArray>
#include <QSet>
#include <QXmlStreamReader>

#include <memory>

namespace catalogue {

// Today's emulator's -listxml document, read as the emulator writes it, never held whole: the
// catalogue's games are the runnable machines with a coin slot that are no device, BIOS or
// mechanical machine.
class ListXmlImport {
public:
    ListXmlImport();
    ~ListXmlImport();

    // The next piece of the document.
    void addData(QByteArrayView data);
    // The document has ended: false when it was not well-formed or was cut short.
    bool finish();

    // Takes the games of imports of one emulator made at once over disjoint names (each import
    // finished), in name order, as one whole run lists its machines.
    void merge(const QList<ListXmlImport*>& parts);

    // What was wrong with the document, and where.
    QString errorText() const { return m_error; }
    int games() const { return int(m_games.size()); }

    // The catalogue's lines, the Neo-Geo games (whose ROMs build on the Neo-Geo system, and their
    // clones) last.
    QByteArray catalogue() const;
    // What the document tells of each game beyond its catalogue line, in the catalogue's order.
    QByteArray facts() const;
    // The position of the first Neo-Geo game in the catalogue, counted from 0.
    int neoGeoFrom() const;
    // The games that need no ROM file at all.
    const QSet<QString>& romless() const { return m_romless; }

private:
    struct Machine;
    void read();
    void startElement();
    void startMachine(const QXmlStreamAttributes& attributes);
    void endElement();
    void readDisplay(const QXmlStreamAttributes& attributes);
    bool isNeoGeo(const GameRecord& game) const;
    void fail(const QString& text);

    QXmlStreamReader m_reader;
    ListXmlFilter m_lines;
    std::unique_ptr<Machine> m_machine; // the machine being read
    int m_textField = -1;               // the field whose text is being read
    QString m_text;
    QList<GameRecord> m_games;
    QSet<QString> m_neoGeoParents;
    QSet<QString> m_romless;
    bool m_seenRoot = false;
    int m_depth = 0; // of the element being read; 0 again once the root element has ended
    bool m_ended = false;
    bool m_failed = false;
    QString m_error;
};

} // namespace catalogue
