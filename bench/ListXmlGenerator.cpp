#include "ListXmlGenerator.h"

#include <QRandomGenerator>

namespace bench {
namespace {

class Writer {
public:
    Writer(QIODevice& out, quint64 seed)
        : m_out(out)
        , m_random(seed) {}

    int below(int limit) { return int(m_random.bounded(limit)); }
    void line(const QByteArray& text) {
        m_buffer += text;
        m_buffer += '\n';
        if (m_buffer.size() > (1 << 20))
            flush();
    }
    void flush() {
        m_bytes += m_out.write(m_buffer);
        m_buffer.clear();
    }
    qint64 bytes() const { return m_bytes; }

private:
    QIODevice& m_out;
    QRandomGenerator m_random;
    QByteArray m_buffer;
    qint64 m_bytes = 0;
};

QByteArray hex(quint32 value) {
    return QByteArray::number(value, 16).rightJustified(8, '0');
}

} // namespace

ListXml writeListXml(QIODevice& out, int machines, quint64 seed) {
    Writer w(out, seed);
    ListXml result;
    w.line("<?xml version=\"1.0\"?>");
    w.line("<mame build=\"0.251 (generated)\" debug=\"no\" mameconfig=\"10\">");
    QByteArray parent;
    int neoGeo = 0;
    for (int i = 0; i < machines; ++i) {
        const QByteArray name = "m" + QByteArray::number(i, 36).rightJustified(5, '0');
        const int kind = w.below(100); // devices 13%, mechanical 34%, BIOS rare, the rest games and others
        const bool device = kind < 13, mechanical = kind >= 13 && kind < 47, bios = i % 600 == 5;
        const bool neo = !device && !mechanical && !bios && neoGeo < 290 && i % 150 == 7;
        const bool clone = !device && !bios && !parent.isEmpty() && w.below(100) < 58;
        QByteArray attributes = "name=\"" + name + "\" sourcefile=\"family" + QByteArray::number(i % 900) + ".cpp\"";
        if (bios)
            attributes += " isbios=\"yes\"";
        if (device)
            attributes += " isdevice=\"yes\" runnable=\"no\"";
        if (mechanical)
            attributes += " ismechanical=\"yes\"";
        if (clone)
            attributes += " cloneof=\"" + parent + "\" romof=\"" + parent + "\"";
        else if (neo)
            attributes += " romof=\"neogeo\"";
        w.line("\t<machine " + attributes + ">");
        w.line("\t\t<description>Game &amp; Watch &quot;" + name + "&quot; (set " + QByteArray::number(i % 7) +
               ")</description>");
        w.line("\t\t<year>19" + QByteArray::number(70 + i % 30) + (i % 11 == 0 ? "?" : "") + "</year>");
        w.line("\t\t<manufacturer>Maker " + QByteArray::number(i % 300) + "</manufacturer>");
        const int roms = device ? w.below(3) : 2 + w.below(12);
        for (int r = 0; r < roms; ++r)
            w.line("\t\t<rom name=\"" + name + "." + QByteArray::number(r) + "\" size=\"" +
                   QByteArray::number(1024 << w.below(6)) + "\" crc=\"" + hex(quint32(i * 7919 + r)) + "\" sha1=\"" +
                   hex(quint32(i)) + hex(quint32(r)) +
                   "00000000000000000000000000000000\" region=\"maincpu\" offset=\"" +
                   QByteArray::number(r * 0x1000, 16) + "\"" + (r == 3 ? " status=\"nodump\"" : "") + "/>");
        for (int d = 0; d < 6 + w.below(20); ++d)
            w.line("\t\t<device_ref name=\"device" + QByteArray::number(d * 37 % 500) + "\"/>");
        for (int c = 0; c < 2 + w.below(5); ++c)
            w.line("\t\t<chip type=\"cpu\" tag=\"maincpu\" name=\"Zilog Z80\" clock=\"3072000\"/>");
        if (!device) {
            const int screen = w.below(20);
            if (screen == 0)
                w.line(
                    "\t\t<display tag=\"screen\" type=\"vector\" rotate=\"0\" flipx=\"no\" refresh=\"40.000000\" />");
            else if (screen > 2)
                w.line("\t\t<display tag=\"screen\" type=\"raster\" rotate=\"" +
                       QByteArray(screen % 3 == 0 ? "90" : "0") +
                       "\" width=\"288\" height=\"224\" refresh=\"60.606061\" pixclock=\"6144000\" htotal=\"384\" "
                       "hbend=\"0\" hbstart=\"288\" vtotal=\"264\" vbend=\"0\" vbstart=\"224\" />");
            w.line("\t\t<sound channels=\"1\"/>");
            const bool coins = !mechanical && w.below(10) < 8;
            w.line("\t\t<input players=\"2\"" + QByteArray(coins ? " coins=\"2\"" : "") + ">");
            w.line("\t\t\t<control type=\"joy\" player=\"1\" buttons=\"2\" ways=\"8\"/>");
            w.line("\t\t\t<control type=\"joy\" player=\"2\" buttons=\"2\" ways=\"8\"/>");
            w.line("\t\t</input>");
            result.games += coins && !bios ? 1 : 0;
            for (int s = 0; s < 16 + w.below(12); ++s) {
                w.line("\t\t<dipswitch name=\"Switch " + QByteArray::number(s) + "\" tag=\"DSW\" mask=\"3\">");
                w.line("\t\t\t<diplocation name=\"SW1\" number=\"" + QByteArray::number(s + 1) + "\"/>");
                for (int v = 0; v < 2 + w.below(3); ++v)
                    w.line("\t\t\t<dipvalue name=\"Value " + QByteArray::number(v) + "\" value=\"" +
                           QByteArray::number(v) + "\"" + (v == 0 ? " default=\"yes\"" : "") + "/>");
                w.line("\t\t</dipswitch>");
            }
            for (int p = 0; p < 5 + w.below(5); ++p) {
                w.line("\t\t<port tag=\":IN" + QByteArray::number(p) + "\">");
                w.line("\t\t\t<analog mask=\"255\"/>");
                w.line("\t\t</port>");
            }
        }
        w.line("\t\t<driver status=\"" + QByteArray(i % 9 == 0 ? "imperfect" : "good") +
               "\" emulation=\"good\" savestate=\"supported\"/>");
        if (i % 13 == 0)
            w.line("\t\t<feature type=\"sound\" status=\"imperfect\"/>");
        w.line("\t</machine>");
        if (!clone)
            parent = device ? QByteArray() : name;
        neoGeo += neo ? 1 : 0;
    }
    w.line("</mame>");
    w.flush();
    result.machines = machines;
    result.bytes = w.bytes();
    return result;
}

} // namespace bench
