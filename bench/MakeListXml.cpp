// make-listxml OUT.xml [machines=45000] [seed]: writes a generated -listxml document of today's
// emulator's size and shape ("-" for standard output).

#include "ListXmlGenerator.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-listxml OUT.xml [machines=45000] [seed]\n");
        return 2;
    }
    const int machines = argc > 2 ? std::atoi(argv[2]) : 45000;
    const quint64 seed = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1981;
    QFile out;
    const bool opened = QByteArrayView(argv[1]) == "-"
                            ? out.open(stdout, QIODevice::WriteOnly)
                            : (out.setFileName(QString::fromLocal8Bit(argv[1])), out.open(QIODevice::WriteOnly));
    if (!opened || machines < 1) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    const bench::ListXml written = bench::writeListXml(out, machines, seed);
    std::fprintf(stderr, "%d machines, about %d games, %.1f MB\n", written.machines, written.games,
                 double(written.bytes) / (1 << 20));
    return 0;
}
