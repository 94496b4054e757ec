#pragma once

#include <QIODevice>

namespace bench {

// What a generated -listxml document holds.
struct ListXml {
    int machines = 0;
    int games = 0; // those the catalogue keeps: runnable, with coins, no device, BIOS or mechanical machine
    qint64 bytes = 0;
};

// Writes a document shaped like today's emulator's -listxml output: one element a line, about
// 6 kB a machine, with devices, BIOS sets, mechanical machines, clones, a Neo-Geo family, ROM,
// chip, device reference, switch, port and slot lines, and displays of every kind. The same
// seed gives the same document.
ListXml writeListXml(QIODevice& out, int machines, quint64 seed);

} // namespace bench
