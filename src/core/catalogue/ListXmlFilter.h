#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace catalogue {

// The lines of a -listxml document that mean something to the catalogue. The emulator writes
// every element on a line of its own, and most of them (switch settings, ports, device references,
// chips, slots, ROM after ROM, whole machines that are no game) mean nothing to it: those are left
// out, so that the XML reader, which checks every line that is kept, does not keep the emulator
// waiting. A game's ROM and disk lines come down to one "<rom/>" when it needs a file at all (and
// one "<disk/>" when it needs a disk image), and its long tags to the attributes the catalogue
// and its facts read. A line laid out in any other way than the
// emulator's goes to the reader as it is.
class ListXmlFilter {
public:
    // The kept lines of the next piece of the document; a line the piece cuts waits for its end.
    QByteArray filter(QByteArrayView data);
    // The last line, when the document does not end with a line break.
    QByteArray finish();

    // The document's line for a line of the kept text, both counted from 1.
    qint64 documentLine(qint64 keptLine) const;

private:
    // The machine being read, held back until its end shows whether it may be a game.
    struct Machine {
        QByteArray text;
        QList<quint32> lines; // the document's line of each of its kept lines
        bool noGame = false;  // a device, BIOS, mechanical or not runnable machine
        bool hasCoins = false;
        bool odd = false;            // something about it is not laid out as the emulator does
        bool needsFileNoted = false; // its "<rom/>" has been kept
        bool diskNoted = false;      // its "<disk/>" has been kept
        bool graphicsNoted = false;  // a ROM of a cartridge's sprites has been seen
    };

    void take(QByteArrayView line, QByteArray& kept);
    void startMachine(QByteArrayView line);
    void endMachine(QByteArray& kept, bool unfinished);

    QByteArray m_partialLine;
    QList<quint32> m_keptLines; // the document's line of each kept line
    quint32 m_lines = 0;        // the document's lines so far
    bool m_inMachine = false;
    Machine m_machine;
};

} // namespace catalogue
